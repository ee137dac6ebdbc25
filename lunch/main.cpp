// SPDX-License-Identifier: LGPL-2.1-or-later
#include "form1.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "brakka");
    Form1 window;
    return program.run(window);
}
