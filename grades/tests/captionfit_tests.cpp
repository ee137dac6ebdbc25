#include "application.h"
#include "runtime/testing/captionfit.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the four windows fits the control its design gives it.
TEST(CaptionFit, GradeBookWindows)
{
    application app;
    for (const runtime::Form* window : {static_cast<runtime::Form*>(&app.mainWindow), static_cast<runtime::Form*>(&*app.newGradeBook),
                                        static_cast<runtime::Form*>(&*app.addSchool), static_cast<runtime::Form*>(&*app.preferences)}) {
        EXPECT_EQ(captionMisfits(*window->window()).join("\n").toStdString(), "") << window->caption().toStdString();
    }
}
