// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/image.h"

#include "runtime/base/error.h"
#include "runtime/forms/design.h"

#include <QImage>

namespace runtime {

Image::Image(const Text& path) : image_(std::make_shared<const QImage>(path))
{
    if (image_->isNull())
        throw RuntimeError(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture: %1").arg(path));
}

float Image::width() const
{
    return static_cast<float>(image_->width()) * twipsPerPixel;
}

float Image::height() const
{
    return static_cast<float>(image_->height()) * twipsPerPixel;
}

}  // namespace runtime
