// SPDX-License-Identifier: MIT
#pragma once

#include "engine/colors.hpp"
#include "ui/form/look.hpp"

#include <optional>
#include <string>
#include <vector>

namespace tessaly {

// The layout of a window as data: one row per control, as the layout tables
// give it. Rectangles are in twips, relative to the container's client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Kind {
    Label,         // QLabel
    Cell,          // a label that takes clicks
    Button,        // QPushButton
    Frame,         // a titled frame that holds other controls
    TextBox,       // a single-line entry box
    MultiLineText, // a read-only multi-line text
    Shape,         // a decorative outline
};

// How a label looks besides its background: bit flags.
enum Look : unsigned {
    Plain = 0,
    Framed = 1,   // a single-line border
    Centred = 2,  // centred text
    AutoSize = 4, // the label sizes itself to its caption
};

struct FontChoice {
    Face face = Face::MsSansSerif;
    double points = 8;
    bool bold = false;
};

// The standard dialog font that controls without a font of their own use.
inline constexpr FontChoice DialogFont{};

struct Control {
    std::string name{}; // the control's name, also its objectName
    Kind kind = Kind::Label;
    std::string container{}; // empty: the window's client area
    TwipsRect rect{};
    // Fixed captions only: whatever the exercise shows is left empty here and
    // filled by the window's first render.
    std::string caption{};
    FontChoice font = DialogFont;
    std::optional<Color> background{}; // none: a transparent label
    unsigned look = Plain;
    bool visible = true;
};

// What the layout says of the window itself.
struct WindowLook {
    std::string caption{};
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Color background = colors::Grey;
};

using Layout = std::vector<Control>;

const WindowLook& frmArrayWindow();
const Layout& frmArrayLayout();
const WindowLook& frmSignInWindow();
const Layout& frmSignInLayout();

} // namespace tessaly
