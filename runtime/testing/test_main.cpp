// SPDX-License-Identifier: LGPL-2.1-or-later
// The main() of every test program: windows are built off screen unless the test run
// names another platform, on one application object for the whole run.
#include "runtime/forms/program.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    runtime::Program program(argc, argv, QStringLiteral("tests"));
    return RUN_ALL_TESTS();
}
