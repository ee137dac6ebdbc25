// SPDX-License-Identifier: LGPL-2.1-or-later
// The helper as another user would plant it where a loader might look: it answers as the
// helper does, and its constructor leaves a mark the moment its code runs.
#include "helper.h"

#include <cstdio>
#include <cstdlib>

namespace {
__attribute__((constructor)) void leaveMark()
{
    if (const char* marker = std::getenv("PLANTED_MARKER")) {
        if (std::FILE* file = std::fopen(marker, "w"))
            std::fclose(file);
    }
}
}  // namespace

extern "C" int sampleHelperAnswer()
{
    return 42;
}
