// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/design.h"

#include <QFont>

namespace runtime::detail {

// Makes the stand-in faces known to the toolkit. Debian's fonts-wine keeps them in a
// folder of its own, which the system's font search does not cover.
void loadStandInFaces();

// The toolkit font that draws a font of a design, `base` with its face, size and style.
// A face the machine lacks is drawn in its metric-compatible stand-in, so that captions
// take the room their design gave them:
//   MS Sans Serif    Tahoma, at 94% of the size (see designfont.cpp)
//   Times New Roman  Liberation Serif
//   Courier New      Liberation Mono
//   any other face   Liberation Sans
QFont toolkitFont(const Font& font, QFont base = {});

}  // namespace runtime::detail
