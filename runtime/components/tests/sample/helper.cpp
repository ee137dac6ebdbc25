// SPDX-License-Identifier: LGPL-2.1-or-later
#include "helper.h"

extern "C" int sampleHelperAnswer()
{
    return 42;
}
