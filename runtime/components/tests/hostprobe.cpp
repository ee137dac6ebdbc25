// SPDX-License-Identifier: LGPL-2.1-or-later
// Loads the control library named on its command line as a host loads it, in a process
// of its own: the system's loader reads LD_LIBRARY_PATH at start only, and a library it
// loaded stays known to it. Prints "loaded" or the refusal.
#include "runtime/base/error.h"
#include "runtime/components/host_p.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    try {
        runtime::components::LoadedLibrary::load(QString::fromLocal8Bit(argv[1]));
        std::puts("loaded");
        return 0;
    } catch (const runtime::RuntimeError& error) {
        std::puts(error.text().toLocal8Bit().constData());
        return 1;
    }
}
