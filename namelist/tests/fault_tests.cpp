// SPDX-License-Identifier: LGPL-2.1-or-later
// File faults seen from the window; those made with permissions need them to hold.
#include "runtime/testing/permissions.h"
#include "runtime/testing/testfolder.h"
#include "vorn.h"

#include "runtime/testing/testing.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using runtime::testing::TestFolder;

using runtime::MessageBoxRequest;
using runtime::Yes;

namespace {

class VornFaults : public ::testing::Test {
protected:
    void SetUp() override { runtime::setProgramFolder(folder.path()); }
    void TearDown() override { runtime::setProgramFolder({}); }

    Vorn& window()
    {
        if (!vorn) {
            vorn = std::make_unique<Vorn>();
            vorn->show();
        }
        return *vorn;
    }

    TestFolder folder;
    runtime::testing::ScriptedMessages messages;
    runtime::testing::DrivenTime time;
    runtime::testing::CaughtProgramEnd programEnd;
    std::unique_ptr<Vorn> vorn;
};

class VornPermissionFaults : public VornFaults {
protected:
    void SetUp() override
    {
        SKIP_UNLESS_PERMISSIONS_HOLD();
        VornFaults::SetUp();
    }
};

TEST_F(VornPermissionFaults, AnUnreadableOrMissingFileFailsToLoad)
{
    window().load.press();
    EXPECT_EQ(window().msgs.caption(), "loading data file failed");

    folder.write("vorn.txt", "A One\r\n");
    QFile::setPermissions(folder.path("vorn.txt"), QFileDevice::WriteOwner);
    window().load.press();
    EXPECT_EQ(window().msgs.caption(), "loading data file failed");
    EXPECT_EQ(window().list().count(), 0);

    QDir(folder.path()).mkdir("vorn.txt.d");
    QFile::remove(folder.path("vorn.txt"));
    QDir(folder.path()).rename("vorn.txt.d", "vorn.txt");  // a folder where the file should be
    window().load.press();
    EXPECT_EQ(window().msgs.caption(), "loading data file failed");
}

// With no room for a new file beside it, a file the user may write is rewritten where
// it stands; one the user may not write stays as it was.
TEST_F(VornPermissionFaults, AFolderThatCannotBeWrittenSavesOnlyWritableFilesInPlace)
{
    folder.write("vorn.txt", "A One\r\n");
    folder.write("vorno.txt", "Old Name\r\nAnother Old\r\n");
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(folder.path(), readOnly);
    window().load.press();
    window().savedata.press();
    EXPECT_EQ(window().msgs.caption(), "data file saved");
    EXPECT_EQ(folder.read("vorno.txt"), "A One\r\n");

    QFile::setPermissions(folder.path(), readOnly | QFileDevice::WriteOwner);
    folder.write("vorno.txt", "Old Name\r\n");
    QFile::setPermissions(folder.path("vorno.txt"), QFileDevice::ReadOwner);
    QFile::setPermissions(folder.path(), readOnly);
    window().savedata.press();
    EXPECT_EQ(window().msgs.caption(), "saving data file failed");
    EXPECT_EQ(window().msgs.foreColor().value(), 255);
    EXPECT_EQ(folder.read("vorno.txt"), "Old Name\r\n");
    QFile::setPermissions(folder.path(), readOnly | QFileDevice::WriteOwner);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"vorn.txt", "vorno.txt"}));
}

TEST_F(VornFaults, AFailedSaveAtExitSaysSoAndKeepsTheProgramRunning)
{
    folder.write("vorn.txt", "A One\r\n");
    ASSERT_TRUE(QFile::link("/dev/full", folder.path("vorno.txt")));
    window().load.press();
    messages.answerNext(Yes);
    window().done.press();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text, "saving data file failed");
    EXPECT_FALSE(programEnd.ended());
    EXPECT_EQ(window().list().count(), 1);

    // With room on the disk again the names are still there to save.
    QFile::remove(folder.path("vorno.txt"));
    messages.answerNext(Yes);
    window().done.press();
    EXPECT_TRUE(programEnd.ended());
    EXPECT_EQ(folder.read("vorno.txt"), "A One\r\n");
}

TEST_F(VornFaults, SaveDataOnAFullDiskSaysSo)
{
    folder.write("vorn.txt", "A One\r\n");
    ASSERT_TRUE(QFile::link("/dev/full", folder.path("vorno.txt")));
    window().load.press();
    window().savedata.press();
    EXPECT_EQ(window().msgs.caption(), "saving data file failed");
}

}  // namespace
