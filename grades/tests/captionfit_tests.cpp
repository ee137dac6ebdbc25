#include "application.h"

#include "runtime/testing/captionfit.h"

#include <gtest/gtest.h>

#include <vector>

using runtime::testing::captionMisfits;

// Every caption of the four windows fits the control its design gives it.
TEST(CaptionFit, GradeBookWindows)
{
    application app;
    const std::vector<const runtime::Form*> windows = {&app.mainWindow, &*app.newGradeBook, &*app.addSchool,
                                                       &*app.preferences};
    for (const runtime::Form* window : windows)
        EXPECT_EQ(captionMisfits(*window->window()).join("\n").toStdString(), "") << window->caption().toStdString();
}
