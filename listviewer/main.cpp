// SPDX-License-Identifier: LGPL-2.1-or-later
#include "pellix.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "pellix");
    pellix window;
    return program.run(window);
}
