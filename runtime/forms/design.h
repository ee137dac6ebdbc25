#pragma once

#include "runtime/base/text.h"

#include <optional>

namespace runtime {

// Positions and sizes are twips, 1/1440 inch: 15 twips to a pixel at 96 dpi.
inline constexpr float twipsPerPixel = 15.0f;

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
};

}  // namespace runtime
