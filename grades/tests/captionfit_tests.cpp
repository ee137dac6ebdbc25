// SPDX-License-Identifier: LGPL-2.1-or-later
#include "application.h"

#include "runtime/testing/captionfit.h"
#include "runtime/testing/reach.h"

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

// Every control of the four windows is reached by Tab and named for a screen reader.
TEST(Reach, GradeBookWindows)
{
    application app;
    const std::vector<runtime::Form*> windows = {&app.mainWindow, &*app.newGradeBook, &*app.addSchool,
                                                 &*app.preferences};
    for (runtime::Form* window : windows) {
        window->show();
        EXPECT_EQ(runtime::testing::controlsTabSkips(window->window()).join("\n").toStdString(), "")
            << window->caption().toStdString();
        EXPECT_EQ(runtime::testing::unnamedControls(*window->window()).join("\n").toStdString(), "")
            << window->caption().toStdString();
    }
}
