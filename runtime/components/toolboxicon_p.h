// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include <QIcon>
#include <QImage>
#include <QStringList>

namespace runtime::components {

// The toolbox picture of a class's type information (15 rows of 16 colour digits) as an
// image of 16 x 15 pixels in the 16 standard colours, 0 black to f white. A picture
// that is not 15 rows of 16 colour digits, as a damaged catalogue may hold, gives the
// null image.
RUNTIME_PRIVATE_EXPORT QImage toolboxImage(const QStringList& picture);

// The picture as an icon of any size: each of its pixels becomes a square of whole
// pixels, as large as the size allows, so that it is never blurred; the rest stays
// transparent. It lists the picture's size and its multiples up to four times as its
// sizes. The null icon for a picture that toolboxImage refuses.
RUNTIME_PRIVATE_EXPORT QIcon toolboxIcon(const QStringList& picture);

}  // namespace runtime::components
