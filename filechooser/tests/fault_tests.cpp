// Faults that need file permissions to hold: run as an ordinary user.
#include "currentfolder.h"
#include "form1.h"

#include "runtime/testing/testing.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(ChooserFaults, AnUnreadableCurrentFolderGetsAMessageNamingItAndAnEmptyList)
{
    runtime::testing::ScriptedMessages messages;
    CurrentFolder current;
    current.addFile("secret.dt");
    // Still enterable, so it stays current, but its names cannot be read.
    QFile::setPermissions(current.path(), QFile::ExeOwner | QFile::WriteOwner);

    Form1 window;
    window.show();
    QFile::setPermissions(current.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains(current.path())) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(window.List1.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
