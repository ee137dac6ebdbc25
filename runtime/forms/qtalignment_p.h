// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/design.h"

#include <Qt>

namespace runtime {

// A design's alignment from side to side as the toolkit takes it.
inline Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace runtime
