// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

#include <cstdio>

// What the plugin has to tell goes to standard error: the designer that loads it has no
// other place for it.
inline void report(const QString& text)
{
    std::fprintf(stderr, "Desktop Suite controls: %s\n", qPrintable(text));
}
