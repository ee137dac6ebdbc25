// SPDX-License-Identifier: LGPL-2.1-or-later
#include "phonetest.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "tesktest");
    PhoneTest window;
    return program.run(window);
}
