// SPDX-License-Identifier: LGPL-2.1-or-later
#include "vorn.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "vornd");
    Vorn window;
    return program.run(window);
}
