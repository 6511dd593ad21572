// SPDX-License-Identifier: MIT
#pragma once

#include "engine/colors.hpp"
#include "ui/form/look.hpp"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>
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
    SteppingFrame, // a titled frame that is one keyboard stop and steps with the arrow keys
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

// Where a window keeps the widget of a row: a member of the window's form
// (a struct of widget pointers, one per named control), or element `index`
// of a member array. Rows that the window never addresses keep none.
struct Binding {
    const std::type_info* form = nullptr; // the form type it belongs to
    // False when the widget is not of the member's type.
    bool (*store)(void* form, QWidget* widget, int index) = nullptr;
    int index = 0;

    // The same member's element `element`, for a row of a control array.
    constexpr Binding at(int element) const { return {form, store, element}; }
};

namespace detail {

template <typename> struct MemberOf;
template <typename Form, typename Type> struct MemberOf<Type Form::*> {
    using FormType = Form;
    using MemberType = Type;
};

template <typename> struct IsArray : std::false_type {};
template <typename T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type {};

template <auto Member> bool storeWidget(void* form, QWidget* widget, int index) {
    using Traits = MemberOf<decltype(Member)>;
    auto& slot = static_cast<typename Traits::FormType*>(form)->*Member;
    if constexpr (IsArray<typename Traits::MemberType>::value) {
        using Pointer = typename Traits::MemberType::value_type;
        return (slot.at(static_cast<std::size_t>(index)) = qobject_cast<Pointer>(widget));
    } else {
        return (slot = qobject_cast<typename Traits::MemberType>(widget));
    }
}

} // namespace detail

// The binding of a form member: `bound<&frmArrayForm::cmdRun>`, or for a
// control array `bound<&frmArrayForm::lblCell>.at(k)`.
template <auto Member>
inline const Binding bound{&typeid(typename detail::MemberOf<decltype(Member)>::FormType),
                           &detail::storeWidget<Member>};

struct Control {
    std::string name{}; // the control's name, also its objectName
    Binding binding{};  // where the window keeps it
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
const WindowLook& frmExplainWindow();
const Layout& frmExplainLayout();

// Where line i (0..8) of a listing stands in its program frame: left and top
// in twips. Each line sizes itself to its text.
std::pair<int, int> codePlace(int i);

} // namespace tessaly
