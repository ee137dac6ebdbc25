// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/tests/componenttesting.h"
#include "runtime/testing/captionfit.h"
#include "runtime/testing/reach.h"
#include "runtime/tools/classchooser.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the chooser fits the control its design gives it, with a class listed
// and with the longest message it shows.
TEST(CaptionFit, ClassChooser)
{
    TemporaryUserData data;
    runtime::tools::ClassChooser empty([](const QString&) {});
    empty.show();
    EXPECT_EQ(captionMisfits(*empty.window()).join("\n").toStdString(), "");
    registerLibrary(SAMPLE_LIBRARY);
    runtime::tools::ClassChooser listing([](const QString&) {});
    listing.show();
    EXPECT_EQ(captionMisfits(*listing.window()).join("\n").toStdString(), "");
}

// Every control of the chooser is reached by Tab and named for a screen reader.
TEST(Reach, ClassChooser)
{
    TemporaryUserData data;
    runtime::tools::ClassChooser window([](const QString&) {});
    window.show();
    EXPECT_EQ(runtime::testing::controlsTabSkips(window.window()).join("\n").toStdString(), "");
    EXPECT_EQ(runtime::testing::unnamedControls(*window.window()).join("\n").toStdString(), "");
}
