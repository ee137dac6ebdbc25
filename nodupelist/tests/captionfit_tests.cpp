#include "runtime/components/host.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/tools/tryout.h"
#include "runtime/testing/captionfit.h"

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
