#include "form1.h"
#include "runtime/testing/captionfit.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the window fits the control its design gives it.
TEST(CaptionFit, DataFileChooser)
{
    Form1 window;
    EXPECT_EQ(captionMisfits(*window.window()).join("\n").toStdString(), "");
}
