#pragma once

#include "runtime/base/text.h"

#include <cmath>
#include <optional>
#include <utility>

namespace runtime {

// Positions and sizes are twips, 1/1440 inch: 15 twips to a pixel at 96 dpi.
inline constexpr float twipsPerPixel = 15.0f;

// The whole pixels nearest to a length in twips: the one conversion of the runtime, so
// that a window, a control and its widget agree to the pixel.
inline int pixels(float twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// A colour as red, green and blue from 0 to 255. value() is red + 256 * green + 65536 * blue.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    constexpr long value() const { return red + 256L * green + 65536L * blue; }
    static constexpr Colour fromValue(long value)
    {
        return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF)};
    }
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour rgb(int red, int green, int blue)
{
    return {red, green, blue};
}

struct Font {
    Text name;
    float points = 8;
    bool bold = false;
    bool italic = false;
};

enum class Alignment { Left, Centre, Right };

class Control;
class Frame;

// The design attributes beyond name, kind, caption, position, size and tab index;
// each row of a window's design names only the few it needs.
struct Attributes {
    Frame* container = nullptr;  // the row's position is relative to this frame
    Alignment alignment = Alignment::Left;
    std::optional<Colour> foreColor = {};
    std::optional<Colour> backColor = {};
    std::optional<Font> font = {};
    Text toolTip = {};
    // What screen readers call a control that no label designates (accessiblenames_p.h).
    Text accessibleName = {};
    // A button's picture, from a file or a resource path (":/..."), and its flat look.
    Text picture = {};
    bool flat = false;
};

// One row of a design table: the control, its caption or text, its place in twips, its
// tab index (-1: takes no part in the tab order) and the few extra attributes. A control
// library's rows put the child's design name first, by which its hosts find the child.
struct Placement {
    Placement(Control* control, Text caption = {}, float left = 0, float top = 0, float width = 0, float height = 0,
              int tabIndex = -1, Attributes attributes = {})
        : control(control), caption(std::move(caption)), left(left), top(top), width(width), height(height),
          tabIndex(tabIndex), attributes(std::move(attributes))
    {
    }
    Placement(Text name, Control* control, Text caption = {}, float left = 0, float top = 0, float width = 0,
              float height = 0, int tabIndex = -1, Attributes attributes = {})
        : Placement(control, std::move(caption), left, top, width, height, tabIndex, std::move(attributes))
    {
        this->name = std::move(name);
    }

    Text name;
    Control* control;
    Text caption;
    float left;
    float top;
    float width;
    float height;
    int tabIndex;
    Attributes attributes;
};

}  // namespace runtime
