// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/host_p.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/tools/tryout.h"
#include "runtime/testing/captionfit.h"
#include "runtime/testing/reach.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the try-out window, and of the unique list inside it, fits the
// control its design gives it.
TEST(CaptionFit, TryOutWindowWithTheUniqueList)
{
    TemporaryUserData data;
    registerLibrary(SOLVANE_LIBRARY);
    runtime::tools::TryOut window(runtime::components::createInstance("solvane.ulistctrl"));
    EXPECT_EQ(captionMisfits(*window.window()).join("\n").toStdString(), "");
}

// Every control of the try-out window and of the unique list is reached by Tab and named
// for a screen reader.
TEST(Reach, TryOutWindowWithTheUniqueList)
{
    TemporaryUserData data;
    registerLibrary(SOLVANE_LIBRARY);
    runtime::tools::TryOut window(runtime::components::createInstance("solvane.ulistctrl"));
    window.show();
    EXPECT_EQ(runtime::testing::controlsTabSkips(window.window()).join("\n").toStdString(), "");
    EXPECT_EQ(runtime::testing::unnamedControls(*window.window()).join("\n").toStdString(), "");
}
