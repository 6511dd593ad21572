// SPDX-License-Identifier: MIT
// The sign-in window's layout: every control with its rectangle in twips,
// font, colours and look. Labels without a background show the window's colour.

#include "ui/form/frm_sign_in_form.hpp"
#include "ui/form/layout.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaly {

namespace {

constexpr int ClientWidth = 4815;
constexpr FontChoice EntryFont{Face::MsSansSerif, 18};

} // namespace

const WindowLook& frmSignInWindow() {
    static const WindowLook window{QT_TRANSLATE_NOOP("frmSignIn", "Please Sign In"), ClientWidth,
                                   4845, colors::LightYellow};
    return window;
}

const Layout& frmSignInLayout() {
    // clang-format off
    static const Layout layout = {
    //   name            binding                            kind           container left  top   width        height       caption               font                           background          look
        // The decorative outline is a square as wide as the client area.
        {"Shape1",       {},                                Kind::Shape,   "",       {0,    0,    ClientWidth, ClientWidth}},
        {"lblFlash",     bound<&frmSignInForm::lblFlash>,   Kind::Label,   "",       {1920, 360,  2775,        495},        QT_TRANSLATE_NOOP("frmSignIn", "Please Sign In"),     {Face::MsSansSerif, 18, true}, colors::PaleYellow, Framed},
        {"Label1",       {},                                Kind::Label,   "",       {600,  120,  1215,        255},        QT_TRANSLATE_NOOP("frmSignIn", "Period")},
        {"txtPeriod",    bound<&frmSignInForm::txtPeriod>,  Kind::TextBox, "",       {600,  480,  675,         495},        "",                   EntryFont},
        {"Label3",       {},                                Kind::Label,   "",       {600,  1080, 2355,        255},        QT_TRANSLATE_NOOP("frmSignIn", "Class ID#")},
        {"txtID",        bound<&frmSignInForm::txtID>,      Kind::TextBox, "",       {600,  1440, 870,         495},        "",                   EntryFont},
        {"lblNameTitle", {},                                Kind::Label,   "",       {600,  2040, 1455,        255},        QT_TRANSLATE_NOOP("frmSignIn", "Name (Last, First)")},
        {"txtName",      bound<&frmSignInForm::txtName>,    Kind::TextBox, "",       {600,  2400, 3735,        495},        "",                   EntryFont},
        {"Label2",       {},                                Kind::Label,   "",       {600,  3000, 1215,        255},        QT_TRANSLATE_NOOP("frmSignIn", "Teacher")},
        {"txtTeacher",   bound<&frmSignInForm::txtTeacher>, Kind::TextBox, "",       {600,  3360, 3735,        495},        "",                   EntryFont},
        {"cmdOk",        bound<&frmSignInForm::cmdOk>,      Kind::Button,  "",       {1200, 4080, 1215,        495},        QT_TRANSLATE_NOOP("frmSignIn", "OK")},
        {"cmdExit",      bound<&frmSignInForm::cmdExit>,    Kind::Button,  "",       {2760, 4080, 1215,        495},        QT_TRANSLATE_NOOP("frmSignIn", "Exit")},
    };
    // clang-format on
    return layout;
}

} // namespace tessaly
