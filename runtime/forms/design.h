// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <cmath>
#include <optional>
#include <utility>

namespace runtime {

/// Positions and sizes are twips, 1/1440 inch: 15 twips to a pixel at 96 dpi.
inline constexpr float twipsPerPixel = 15.0f;

/// The whole pixels nearest to a length in twips: the one conversion of the runtime, so
/// that a window, a control and its widget agree to the pixel.
inline int pixels(float twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

/// A colour as red, green and blue from 0 to 255. value() is red + 256 * green + 65536 * blue.
struct Colour {
    int red = 0;    ///< The red part, 0 to 255.
    int green = 0;  ///< The green part, 0 to 255.
    int blue = 0;   ///< The blue part, 0 to 255.

    /// The colour as one number, red + 256 * green + 65536 * blue: 255 is red, 65280 green.
    constexpr long value() const { return red + 256L * green + 65536L * blue; }
    /// The colour whose value() is the low 24 bits of `value`; the bits above them are ignored.
    static constexpr Colour fromValue(long value)
    {
        return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF)};
    }
    /// Two colours are equal when their red, green and blue are.
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

/// The colour of `red`, `green` and `blue`, each from 0 to 255, as a design writes it.
constexpr Colour rgb(int red, int green, int blue)
{
    return {red, green, blue};
}

/// A font as a design names it. A face the machine does not have is drawn in a stand-in
/// of the same kind (Liberation Sans, Serif or Mono); MS Sans Serif, a bitmap face, is
/// always drawn in Tahoma, a step smaller, so that captions fit the widths designed for it.
struct Font {
    Text name;            ///< The face, such as "MS Sans Serif" or "Times New Roman".
    float points = 8;     ///< The size in points.
    bool bold = false;    ///< Drawn bold.
    bool italic = false;  ///< Drawn italic.
};

/// Where text lies from side to side in its box: a label's caption, or text a Canvas draws.
enum class Alignment {
    Left,    ///< Against the left edge.
    Centre,  ///< Centred.
    Right    ///< Against the right edge.
};

class Control;
class Frame;

/// The design attributes beyond name, kind, caption, position, size and tab index;
/// each row of a window's design names only the few it needs.
struct Attributes {
    Frame* container = nullptr;  ///< the row's position is relative to this frame
    /// How a label's caption lies from side to side; other controls ignore it.
    Alignment alignment = Alignment::Left;
    /// The colour of the control's text; std::nullopt keeps the one it has.
    std::optional<Colour> foreColor = {};
    /// The colour of the control's background; std::nullopt keeps the one it has.
    std::optional<Colour> backColor = {};
    /// The control's font; std::nullopt keeps the one it takes from its window.
    std::optional<Font> font = {};
    /// Shown while the pointer rests on the control; the empty text shows none.
    Text toolTip = {};
    /// What screen readers call a control that no label designates. Without it, a text
    /// box, list box or combo box takes the caption of the label nearest above or left of it.
    Text accessibleName = {};
    /// A button's picture, from a file or a resource path (":/..."); one that cannot be read
    /// raises error 481 (RuntimeError::InvalidPicture) while the design is laid out.
    Text picture = {};
    /// A button's flat look (Button::setFlat).
    bool flat = false;
};

/// One row of a design table: the control, its caption or text, its place in twips, its
/// tab index (-1: takes no part in the tab order) and the few extra attributes. A control
/// library's rows put the child's design name first, by which its hosts find the child.
/// Each row lies above the rows before it.
struct Placement {
    /// A row of a window's design.
    Placement(Control* control, Text caption = {}, float left = 0, float top = 0, float width = 0, float height = 0,
              int tabIndex = -1, Attributes attributes = {})
        : control(control), caption(std::move(caption)), left(left), top(top), width(width), height(height),
          tabIndex(tabIndex), attributes(std::move(attributes))
    {
    }
    /// A row of a control library's design, under the child's design name.
    Placement(Text name, Control* control, Text caption = {}, float left = 0, float top = 0, float width = 0,
              float height = 0, int tabIndex = -1, Attributes attributes = {})
        : Placement(control, std::move(caption), left, top, width, height, tabIndex, std::move(attributes))
    {
        this->name = std::move(name);
    }

    /// The child's design name in a control library's row; empty in a window's.
    Text name;
    /// The control, a member of the window or control that owns the design.
    Control* control;
    /// A label's, button's, frame's or option button's caption; a text box's or combo
    /// box's text. Other controls ignore it.
    Text caption;
    /// Twips from the left edge of the client area, or of the container frame.
    float left;
    /// Twips from the top edge of the client area, or of the container frame.
    float top;
    float width;            ///< The width in twips.
    float height;           ///< The height in twips.
    /// The place in the tab order, the lowest first; -1 takes no part.
    int tabIndex;
    Attributes attributes;  ///< The few attributes beyond these.
};

}  // namespace runtime
