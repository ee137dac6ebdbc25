// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/toolboxicon_p.h"

#include "runtime/components/typeinfo.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace runtime::components {
namespace {

// As the type information writes them: lower case only.
constexpr QLatin1String colourDigits("0123456789abcdef");
constexpr std::array<QRgb, 16> standardColours = {
    qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x00, 0x80, 0x00), qRgb(0x00, 0x80, 0x80),
    qRgb(0x80, 0x00, 0x00), qRgb(0x80, 0x00, 0x80), qRgb(0x80, 0x80, 0x00), qRgb(0xC0, 0xC0, 0xC0),
    qRgb(0x80, 0x80, 0x80), qRgb(0x00, 0x00, 0xFF), qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0xFF, 0xFF),
    qRgb(0xFF, 0x00, 0x00), qRgb(0xFF, 0x00, 0xFF), qRgb(0xFF, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0xFF),
};

// The sizes the icon names as its own, though it draws at any.
constexpr int largestListedScale = 4;

// Draws the picture at the largest whole multiple of its size that fits, centred.
class ToolboxIconEngine : public QIconEngine {
public:
    explicit ToolboxIconEngine(QImage image) : image_(std::move(image)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const int scale = std::max(1, std::min(rect.width() / pictureWidth, rect.height() / pictureHeight));
        const QSize size(pictureWidth * scale, pictureHeight * scale);
        const QRect target(rect.x() + (rect.width() - size.width()) / 2, rect.y() + (rect.height() - size.height()) / 2,
                           size.width(), size.height());
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawImage(target, image_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int scale = std::max(1, std::min(size.width() / pictureWidth, size.height() / pictureHeight));
        return QSize(pictureWidth * scale, pictureHeight * scale).boundedTo(size);
    }

    // Form designers show no icon that offers no size.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int scale = 1; scale <= largestListedScale; ++scale)
            sizes.append(QSize(pictureWidth * scale, pictureHeight * scale));
        return sizes;
    }

    QIconEngine* clone() const override { return new ToolboxIconEngine(image_); }

private:
    QImage image_;
};

}  // namespace

QImage toolboxImage(const QStringList& picture)
{
    if (picture.size() != pictureHeight)
        return {};
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < pictureHeight; ++y) {
        const QString& row = picture[y];
        if (row.size() != pictureWidth)
            return {};
        for (int x = 0; x < pictureWidth; ++x) {
            const auto colour = colourDigits.indexOf(row[x]);
            if (colour < 0)
                return {};
            image.setPixel(x, y, standardColours[static_cast<std::size_t>(colour)]);
        }
    }
    return image;
}

QIcon toolboxIcon(const QStringList& picture)
{
    QImage image = toolboxImage(picture);
    return image.isNull() ? QIcon() : QIcon(new ToolboxIconEngine(std::move(image)));
}

}  // namespace runtime::components
