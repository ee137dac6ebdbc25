// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/design.h"

#include <QColor>

namespace runtime {

// A design's colour as the toolkit takes it, and back: both keep red, green and blue alone.
inline QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline Colour fromQColor(const QColor& colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace runtime
