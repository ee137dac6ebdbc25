// SPDX-License-Identifier: LGPL-2.1-or-later
#include "names.h"
#include "runtime/testing/testfolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The sample shipped with vornd is a name list as the program writes it: every line a
// record, and saving the records gives the file back byte for byte.
TEST(Sample, LoadsWholeAndSavesBackAsItIs)
{
    QFile sample(NAMELIST_SAMPLE);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    names list;
    ASSERT_TRUE(list.loadfromfile(NAMELIST_SAMPLE));
    EXPECT_EQ(list.count(), 34);
    runtime::testing::TestFolder folder;
    ASSERT_TRUE(list.savetofile(folder.path("vorno.txt")));
    EXPECT_EQ(folder.read("vorno.txt"), sample.readAll());
}

}  // namespace
