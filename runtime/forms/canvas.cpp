// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/canvas.h"

#include "runtime/forms/designfont_p.h"
#include "runtime/forms/qtalignment_p.h"
#include "runtime/forms/qtcolour_p.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

namespace runtime {
namespace {

qreal inPixels(float twips)
{
    return twips / twipsPerPixel;
}

QPointF inPixels(Point point)
{
    return {inPixels(point.x), inPixels(point.y)};
}

QRectF inPixels(float left, float top, float width, float height)
{
    return {inPixels(left), inPixels(top), inPixels(width), inPixels(height)};
}

}  // namespace

Canvas::Canvas(QPainter& painter, const QWidget& surface)
    : painter_(painter), width_(static_cast<float>(surface.width()) * twipsPerPixel),
      height_(static_cast<float>(surface.height()) * twipsPerPixel), enabled_(surface.isEnabled()),
      foreColor_(fromQColor(surface.palette().color(QPalette::Active, surface.foregroundRole()))),
      backColor_(fromQColor(surface.palette().color(QPalette::Active, surface.backgroundRole())))
{
    painter_.setFont(surface.font());
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setClipRect(surface.rect());
}

void Canvas::setFont(const Font& font)
{
    painter_.setFont(detail::toolkitFont(font, painter_.font()));
}

Colour Canvas::shown(Colour colour) const
{
    if (enabled_)
        return colour;
    const int grey = qGray(colour.red, colour.green, colour.blue);
    return rgb((grey + backColor_.red) / 2, (grey + backColor_.green) / 2, (grey + backColor_.blue) / 2);
}

void Canvas::usePenAndFill()
{
    if (lineWidth_ > 0)
        painter_.setPen(QPen(toQColor(shown(foreColor_)), inPixels(lineWidth_)));
    else
        painter_.setPen(Qt::NoPen);
    if (fillColor_)
        painter_.setBrush(toQColor(shown(*fillColor_)));
    else
        painter_.setBrush(Qt::NoBrush);
}

void Canvas::clear()
{
    painter_.fillRect(QRectF(0, 0, inPixels(width_), inPixels(height_)), toQColor(shown(backColor_)));
}

void Canvas::line(Point from, Point to)
{
    usePenAndFill();
    painter_.drawLine(inPixels(from), inPixels(to));
}

void Canvas::rectangle(float left, float top, float width, float height)
{
    usePenAndFill();
    painter_.drawRect(inPixels(left, top, width, height));
}

void Canvas::ellipse(float left, float top, float width, float height)
{
    usePenAndFill();
    painter_.drawEllipse(inPixels(left, top, width, height));
}

void Canvas::polygon(std::span<const Point> corners)
{
    QPolygonF shape;
    for (const Point corner : corners)
        shape.append(inPixels(corner));
    usePenAndFill();
    painter_.drawPolygon(shape);
}

void Canvas::text(float left, float top, const Text& text)
{
    painter_.setPen(toQColor(shown(foreColor_)));
    const QFontMetricsF metrics(painter_.font());
    painter_.drawText(QPointF(inPixels(left), inPixels(top) + metrics.ascent()), text);
}

void Canvas::text(float left, float top, float width, float height, const Text& text, Alignment alignment)
{
    painter_.setPen(toQColor(shown(foreColor_)));
    painter_.drawText(inPixels(left, top, width, height), static_cast<int>(toQtAlignment(alignment) | Qt::AlignVCenter), text);
}

float Canvas::textWidth(const Text& text) const
{
    return static_cast<float>(QFontMetricsF(painter_.font()).horizontalAdvance(text)) * twipsPerPixel;
}

float Canvas::textHeight() const
{
    return static_cast<float>(QFontMetricsF(painter_.font()).height()) * twipsPerPixel;
}

void Canvas::picture(const Image& image, float left, float top)
{
    picture(image, left, top, image.width(), image.height());
}

void Canvas::picture(const Image& image, float left, float top, float width, float height)
{
    const QRectF place = inPixels(left, top, width, height);
    if (enabled_)
        painter_.drawImage(place, image.toolkitImage());
    else
        painter_.drawImage(place, image.toolkitImage().convertToFormat(QImage::Format_Grayscale8));
}

}  // namespace runtime
