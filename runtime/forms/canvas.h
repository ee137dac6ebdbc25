// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/design.h"
#include "runtime/forms/image.h"

#include <optional>
#include <span>

class QPainter;
class QWidget;

namespace runtime {

/// A point in twips from the top-left corner of what is drawn on.
struct Point {
    float x = 0;  ///< Twips to the right of the left edge.
    float y = 0;  ///< Twips below the top edge.
};

/// What a control draws itself with while it paints: lines, outlines, filled shapes, text
/// and pictures, all placed in twips from the control's top-left corner. Lines and
/// outlines are centred on the points they join, drawn smooth, in the fore colour and the
/// line width; rectangles, ellipses and polygons are filled with the fill colour when
/// there is one. Text is drawn in the control's font and the fore colour.
///
/// It starts with the control's own fore colour and font, a line one pixel wide (15 twips)
/// and no fill. While the control is disabled every colour is drawn greyed: a grey as
/// light as the colour, halfway to the back colour. What is drawn outside the control is
/// cut off.
class RUNTIME_EXPORT Canvas {
public:
    /// The runtime makes the canvas of a painting surface; a control only receives it.
    Canvas(QPainter& painter, const QWidget& surface);

    /// The width of the surface in twips.
    float width() const { return width_; }
    /// The height of the surface in twips.
    float height() const { return height_; }

    /// The colour of lines, outlines and text; at first the control's own fore colour.
    Colour foreColor() const { return foreColor_; }
    /// Draws the lines, outlines and text that follow in `colour`.
    void setForeColor(Colour colour) { foreColor_ = colour; }
    /// The control's back colour, which clear() fills with and a greyed colour leans to.
    Colour backColor() const { return backColor_; }
    /// The width of lines and outlines in twips; 0 draws none.
    void setLineWidth(float twips) { lineWidth_ = twips; }
    /// The colour inside shapes; std::nullopt leaves them empty.
    void setFillColor(std::optional<Colour> colour) { fillColor_ = colour; }
    /// Draws the text that follows, and measures it, in `font` instead of the control's.
    void setFont(const Font& font);

    /// Fills the whole surface with the back colour.
    void clear();
    /// A straight line from `from` to `to`.
    void line(Point from, Point to);
    /// A rectangle whose top-left corner is at (left, top).
    void rectangle(float left, float top, float width, float height);
    /// The ellipse that fits inside the rectangle given as for rectangle().
    void ellipse(float left, float top, float width, float height);
    /// A closed shape through the corners in order.
    void polygon(std::span<const Point> corners);
    /// One line of text whose top-left corner is at (left, top).
    void text(float left, float top, const Text& text);
    /// One line of text in a box, centred from top to bottom and aligned from side to side.
    void text(float left, float top, float width, float height, const Text& text, Alignment alignment);
    /// How wide `text` is drawn, in twips, in the current font.
    float textWidth(const Text& text) const;
    /// How tall a line of text is drawn, in twips, in the current font.
    float textHeight() const;
    /// A picture at its natural size, or stretched to the size given. While the control is
    /// disabled, the picture is drawn in shades of grey.
    void picture(const Image& image, float left, float top);
    /// The picture stretched to `width` by `height` twips.
    void picture(const Image& image, float left, float top, float width, float height);

private:
    void usePenAndFill();
    Colour shown(Colour colour) const;

    QPainter& painter_;
    float width_;
    float height_;
    bool enabled_;
    Colour foreColor_;
    Colour backColor_;
    float lineWidth_ = twipsPerPixel;
    std::optional<Colour> fillColor_;
};

}  // namespace runtime
