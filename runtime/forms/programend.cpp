// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/programend_p.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace runtime {
namespace {

ProgramEndCatcher* installedCatcher = nullptr;

}  // namespace

ProgramEndCatcher* setProgramEndCatcher(ProgramEndCatcher* catcher)
{
    return std::exchange(installedCatcher, catcher);
}

namespace detail {

void endProgram(int status)
{
    if (installedCatcher) {
        installedCatcher->programEnds(status);
        throw ProgramEnded{};
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

bool programHasEnded()
{
    return installedCatcher && installedCatcher->hasEnded();
}

}  // namespace detail
}  // namespace runtime
