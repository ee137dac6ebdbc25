// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/picture.h"

#include "runtime/base/error.h"

#include <QLabel>
#include <QPixmap>

namespace runtime {

Picture::Picture() : Control(new QLabel) {}

void Picture::setPicture(const Text& path)
{
    QPixmap image(path);
    if (image.isNull())
        throw RuntimeError(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture: %1").arg(path));
    static_cast<QLabel*>(widget())->setPixmap(image);
    move(left(), top(), image.width() * twipsPerPixel, image.height() * twipsPerPixel);
}

bool Picture::hasPicture() const
{
    return !static_cast<QLabel*>(widget())->pixmap().isNull();
}

}  // namespace runtime
