// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tallyhost.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "tallyhost");
    TallyHost window;
    return program.run(window);
}
