// SPDX-License-Identifier: LGPL-2.1-or-later
#include "pellix.h"
#include "runtime/testing/captionfit.h"
#include "runtime/testing/reach.h"
#include "runtime/testing/testfolder.h"

#include "runtime/forms/program.h"

#include <gtest/gtest.h>

using runtime::testing::captionMisfits;

// Every caption of the window fits the control its design gives it.
TEST(CaptionFit, TextFileListViewer)
{
    pellix window;
    EXPECT_EQ(captionMisfits(*window.window()).join("\n").toStdString(), "");
}

// Every control of the window is reached by Tab and named for a screen reader.
TEST(Reach, TextFileListViewer)
{
    runtime::testing::TestFolder folder;
    folder.write("pellix.txt", "one\r\ntwo\r\n");
    runtime::setProgramFolder(folder.path());
    pellix window;
    window.show();
    EXPECT_EQ(runtime::testing::controlsTabSkips(window.window()).join("\n").toStdString(), "");
    EXPECT_EQ(runtime::testing::unnamedControls(*window.window()).join("\n").toStdString(), "");
    runtime::setProgramFolder({});
}
