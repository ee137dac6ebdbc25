// Faults that need file permissions to hold: run as an ordinary user.
#include "pellix.h"
#include "programfolder.h"

#include "runtime/testing/testing.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(ViewerFaults, AnUnreadableFileIsNamedAndLeftAsItWas)
{
    ProgramFolder folder;
    runtime::testing::ScriptedMessages messages;
    folder.write("pellix.txt", "alpha\r\nbeta\r\n");
    QFile::setPermissions(folder.path("pellix.txt"), QFile::WriteOwner);

    pellix window;
    window.show();

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains(folder.path("pellix.txt"))) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(window.List1.count(), 0);
    EXPECT_EQ(window.List2.count(), 0);
    EXPECT_TRUE(window.isVisible());
    QFile::setPermissions(folder.path("pellix.txt"), QFile::ReadOwner | QFile::WriteOwner);
    QFile file(folder.path("pellix.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "alpha\r\nbeta\r\n");
}

}  // namespace
