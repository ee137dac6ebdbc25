// SPDX-License-Identifier: LGPL-2.1-or-later
#include "vorn.h"
#include "runtime/testing/captionfit.h"
#include "runtime/testing/reach.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the window fits the control its design gives it.
TEST(CaptionFit, Vorn)
{
    Vorn window;
    EXPECT_EQ(captionMisfits(*window.window()).join("\n").toStdString(), "");
}

// Every control of the window is reached by Tab and named for a screen reader.
TEST(Reach, Vorn)
{
    Vorn window;
    window.show();
    EXPECT_EQ(runtime::testing::controlsTabSkips(window.window()).join("\n").toStdString(), "");
    EXPECT_EQ(runtime::testing::unnamedControls(*window.window()).join("\n").toStdString(), "");
}
