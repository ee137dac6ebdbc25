// SPDX-License-Identifier: LGPL-2.1-or-later
// A program that prints its program folder, for the tests that run it as installed.
#include "runtime/forms/program.h"

#include <cstdio>

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, QStringLiteral("probe"));
    std::printf("%s\n", runtime::programFolder().toLocal8Bit().constData());
    return 0;
}
