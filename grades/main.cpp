// SPDX-License-Identifier: LGPL-2.1-or-later
#include "application.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "Grades");
    application grades;
    return program.run(grades.mainWindow);
}
