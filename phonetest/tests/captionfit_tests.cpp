#include "phonetest.h"

#include "runtime/components/tests/componenttesting.h"
#include "runtime/testing/captionfit.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the window, and of the phone control it hosts, fits the control its
// design gives it.
TEST(CaptionFit, PhoneTestWithThePhoneControl)
{
    TemporaryUserData data;
    registerLibrary(TESK_LIBRARY);
    PhoneTest window;
    EXPECT_EQ(captionMisfits(*window.window()).join("\n").toStdString(), "");
}
