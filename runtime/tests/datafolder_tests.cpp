// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/datafolder_p.h"

#include "runtime/testing/permissions.h"
#include "runtime/testing/testfolder.h"
#include "runtime/testing/testing.h"
#include "runtime/testing/textprinting.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using runtime::DataFolder;
using runtime::testing::TestFolder;

namespace {

// Sets an environment variable, or unsets it for a null value, while it lives.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QString& value)
        : name_(name), previous_(qgetenv(name)), hadPrevious_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentVariable()
    {
        if (hadPrevious_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Gives a folder other permissions while it lives, and the owner's back after, so that
// its temporary folder can be removed.
class FolderMode {
public:
    FolderMode(const QString& folder, mode_t mode) : folder_(QFile::encodeName(folder))
    {
        ::chmod(folder_.constData(), mode);
    }
    ~FolderMode() { ::chmod(folder_.constData(), 0700); }

private:
    QByteArray folder_;
};

bool setMode(const QString& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

mode_t modeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

const QByteArray names = "Smith John\r\nBrown Ann\r\n";
const QByteArray lines = "alpha\r\nbeta\r\n";

// An installed tree: the program in a folder the user cannot write, and its samples
// where the installation puts them, beside bin/ under share/.
class InstalledProgram : public ::testing::Test {
protected:
    InstalledProgram()
    {
        QDir().mkpath(bin());
        tree.write(sample("vornd/vorn.txt"), names);
        tree.write(sample("vornd/pellix.txt"), lines);
        tree.write(sample("grades/schools.dt"), "A;CS;North\r\n");
        lockedBin.emplace(bin(), 0555);
    }

    QString bin() const { return tree.path("usr/bin"); }
    QString sample(const QString& name) const
    {
        return QDir::cleanPath(bin() + "/" SUITE_SAMPLES_FROM_PROGRAMS "/" + name);
    }
    QStringList filesInBin() const { return QDir(bin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    // Settles the folder of vornd in `dataHome`, which must be refused with `reason`, and
    // nothing be written into `untouched` (the folder found there, or a link's target).
    void expectRefused(const QString& dataHome, const QString& reason, const QString& untouched) const
    {
        const EnvironmentVariable home("XDG_DATA_HOME", dataHome);
        const QString path = dataHome + "/desktop-suite/vornd";
        const DataFolder folder = DataFolder::settle(bin(), "vornd");
        EXPECT_EQ(folder.path, path);
        EXPECT_EQ(folder.failure, reason.arg(path));
        EXPECT_EQ(QDir(untouched).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    TestFolder tree;
    TestFolder user;
    std::optional<FolderMode> lockedBin;
};

TEST_F(InstalledProgram, GetsAFolderOfTheUsersOwnWithItsSamples)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path("data/home"));
    const DataFolder folder = DataFolder::settle(bin(), "vornd");
    EXPECT_EQ(folder.path, user.path("data/home/desktop-suite/vornd"));
    EXPECT_EQ(folder.failure, "");
    EXPECT_EQ(user.read("data/home/desktop-suite/vornd/vorn.txt"), names);
    EXPECT_EQ(user.read("data/home/desktop-suite/vornd/pellix.txt"), lines);
    EXPECT_FALSE(user.exists("data/home/desktop-suite/vornd/schools.dt"));
    // Every folder made on the way is the user's alone.
    for (const char* made : {"data", "data/home", "data/home/desktop-suite", "data/home/desktop-suite/vornd"})
        EXPECT_EQ(modeOf(user.path(made)), 0700u) << made;
    EXPECT_EQ(filesInBin(), QStringList());
}

// Installed under a prefix of the user's own (~/.local), or run by root.
TEST_F(InstalledProgram, InAnInstalledTreeTheUserCanWriteGetsAFolderOfTheUsersOwnAllTheSame)
{
    const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path("data"));
    const FolderMode writableBin(bin(), 0700);
    const DataFolder folder = DataFolder::settle(bin(), "vornd");
    EXPECT_EQ(folder.path, user.path("data/desktop-suite/vornd"));
    EXPECT_EQ(folder.failure, "");
    EXPECT_EQ(user.read("data/desktop-suite/vornd/vorn.txt"), names);
    EXPECT_EQ(filesInBin(), QStringList());
}

TEST_F(InstalledProgram, WithoutXdgDataHomeTheFolderLiesInTheHomeFolder)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const EnvironmentVariable dataHome("XDG_DATA_HOME", QString());
    const EnvironmentVariable home("HOME", user.path("home"));
    const DataFolder folder = DataFolder::settle(bin(), "grades");
    EXPECT_EQ(folder.path, user.path("home/.local/share/desktop-suite/grades"));
    EXPECT_EQ(folder.failure, "");
    EXPECT_EQ(user.read("home/.local/share/desktop-suite/grades/schools.dt"), "A;CS;North\r\n");
}

// Samples go only into a folder just made: the user's files, and the samples the user
// removed, stay as the user left them.
TEST_F(InstalledProgram, AFolderTheUserHasAlreadyIsLeftAsItIs)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path("data"));
    user.write("data/desktop-suite/vornd/vorn.txt", "Mine Own\r\n");
    const DataFolder folder = DataFolder::settle(bin(), "vornd");
    EXPECT_EQ(folder.path, user.path("data/desktop-suite/vornd"));
    EXPECT_EQ(folder.failure, "");
    EXPECT_EQ(user.read("data/desktop-suite/vornd/vorn.txt"), "Mine Own\r\n");
    EXPECT_FALSE(user.exists("data/desktop-suite/vornd/pellix.txt"));
}

TEST_F(InstalledProgram, AFolderThatCannotBeMadeIsNamedWithTheReason)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    user.write("locked/kept.txt", "kept\r\n");
    user.write("plain-file", "not a folder\r\n");
    user.write("data/desktop-suite/vornd", "in the way\r\n");
    const FolderMode locked(user.path("locked"), 0500);
    const struct {
        const char* dataHome;
        const char* reason;  // %1 is the data home
    } cases[] = {
        {"locked/data", "%1 cannot be made: Permission denied"},
        {"plain-file", "%1 is not a folder"},
        {"data", "%1/desktop-suite/vornd is not a folder"},
    };
    for (const auto& row : cases) {
        const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path(row.dataHome));
        const QString expectedPath = user.path(row.dataHome) + "/desktop-suite/vornd";
        const DataFolder folder = DataFolder::settle(bin(), "vornd");
        EXPECT_EQ(folder.path, expectedPath) << row.dataHome;
        EXPECT_EQ(folder.failure, "Cannot make the folder " + expectedPath + " for this program's files: "
                                      + QString(row.reason).arg(user.path(row.dataHome)))
            << row.dataHome;
    }
    EXPECT_EQ(user.read("plain-file"), "not a folder\r\n");
    EXPECT_EQ(user.read("data/desktop-suite/vornd"), "in the way\r\n");
    EXPECT_FALSE(user.exists("locked/data"));
    EXPECT_EQ(filesInBin(), QStringList());
}

// Others could read what the program saves in it, or put their own files in its place.
TEST_F(InstalledProgram, AFolderOfTheUsersThatOthersCanChangeIsNotUsed)
{
    const struct {
        const char* dataHome;
        mode_t dataHomeMode;
        mode_t folderMode;
        const char* reason;  // %1 is the data folder
    } rows[] = {
        {"open-folder", 0700, 0777, "Cannot use the folder %1 for this program's files: folder %1 is writable by every user"},
        {"open-home", 0777, 0700,
         "Cannot use the folder %1 for this program's files: folder %2 is writable by every user"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dataHome);
        const QString dataHome = user.path(row.dataHome);
        const QString folder = dataHome + "/desktop-suite/vornd";
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(setMode(dataHome, row.dataHomeMode) && setMode(folder, row.folderMode));
        expectRefused(dataHome, QString(row.reason).replace("%2", dataHome), folder);
    }
    EXPECT_EQ(filesInBin(), QStringList());
}

// Another user, as whom folders and links are made where the data folder goes.
uid_t otherUser()
{
    const passwd* nobody = ::getpwnam("nobody");
    return nobody ? nobody->pw_uid : 0;
}

bool giveTo(const QString& path, uid_t owner)
{
    return ::lchown(QFile::encodeName(path).constData(), owner, gid_t(-1)) == 0;
}

// Root with its capabilities, which tools/unprivileged takes away.
bool mayGiveFilesAway()
{
    TestFolder probe;
    probe.write("probe", "");
    return ::geteuid() == 0 && otherUser() != 0 && giveTo(probe.path("probe"), otherUser());
}

// Takes the other user's part until it goes out of scope; root can come back, as only
// the effective user changes.
class AsTheOtherUser {
public:
    AsTheOtherUser() { EXPECT_EQ(::seteuid(otherUser()), 0); }
    ~AsTheOtherUser() { EXPECT_EQ(::seteuid(0), 0); }
};

// A data home every user may add to, a sticky folder of root's as /tmp is: another user
// may have made the folders, or a link, before the program first runs, to read what it
// saves there or have it save where that user chooses.
TEST_F(InstalledProgram, AFolderOrLinkOfAnotherUserIsNotUsedAndNothingIsWrittenThere)
{
    if (!mayGiveFilesAway())
        GTEST_SKIP() << "making another user's folders and links needs root's capabilities";
    const uid_t other = otherUser();
    // What is in each row's data home before the program first runs: folders, and links to a
    // folder of root's alone (mode 0).
    struct Planted {
        const char* name;
        uid_t owner;
        mode_t mode;
    };
    const struct {
        const char* dataHome;
        std::vector<Planted> planted;
        bool asTheOtherUser;
        const char* reason;  // %1 is the data folder, %2 the data home
    } rows[] = {
        {"theirs", {{"desktop-suite", 0, 01777}, {"desktop-suite/vornd", other, 0700}}, false,
         "Cannot use the folder %1 for this program's files: folder %1 is writable by user nobody"},
        {"their-link-above", {{"desktop-suite", other, 0}}, false,
         "Cannot make the folder %1 for this program's files: %2/desktop-suite is a symbolic link of user nobody in a "
         "folder every user may add to; it is not followed"},
        {"their-link", {{"desktop-suite", 0, 01777}, {"desktop-suite/vornd", other, 0}}, false,
         "Cannot use the folder %1 for this program's files: %1 is a symbolic link of user nobody in a folder every "
         "user may add to; it is not followed"},
        // Safe from others, but the other user could save nothing in it.
        {"roots", {{"desktop-suite", 0, 0755}, {"desktop-suite/vornd", 0, 0755}}, true,
         "Cannot use the folder %1 for this program's files: it belongs to root"},
    };
    // The other user must reach the installed tree and the data home to be refused for
    // what is in it.
    const FolderMode reachableTree(tree.path(), 0755);
    const FolderMode reachableHome(user.path(), 0755);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dataHome);
        const QString dataHome = user.path(row.dataHome);
        const QString rootOnly = dataHome + "-root-only";
        ASSERT_TRUE(QDir().mkpath(dataHome) && setMode(dataHome, 01777) && QDir().mkpath(rootOnly) && setMode(rootOnly, 0700));
        bool throughALink = false;
        for (const Planted& planted : row.planted) {
            const QString path = dataHome + "/" + planted.name;
            throughALink = throughALink || planted.mode == 0;
            ASSERT_TRUE(planted.mode == 0 ? QFile::link(rootOnly, path) : QDir().mkpath(path) && setMode(path, planted.mode));
            ASSERT_TRUE(giveTo(path, planted.owner));
        }
        std::optional<AsTheOtherUser> asTheOtherUser;
        if (row.asTheOtherUser)
            asTheOtherUser.emplace();
        expectRefused(dataHome, QString(row.reason).replace("%2", dataHome),
                      throughALink ? rootOnly : dataHome + "/desktop-suite/vornd");
    }
    EXPECT_EQ(filesInBin(), QStringList());
}

TEST_F(InstalledProgram, ASampleThatCannotBeCopiedIsNamedAndTheOthersAreCopied)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path("data"));
    const QString unreadable = sample("vornd/pellix.txt");
    ASSERT_TRUE(QFile::setPermissions(unreadable, QFile::WriteOwner));
    const DataFolder folder = DataFolder::settle(bin(), "vornd");
    EXPECT_EQ(folder.failure, "Cannot copy the sample " + unreadable + " into " + folder.path + ": Permission denied");
    EXPECT_EQ(user.read("data/desktop-suite/vornd/vorn.txt"), names);
    EXPECT_FALSE(user.exists("data/desktop-suite/vornd/pellix.txt"));
}

// A copy of a program in a folder the user cannot write, with no samples beside it.
TEST(DataFolderOfACopy, InAFolderTheUserCannotWriteIsAnEmptyFolderOfTheUsersOwn)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    TestFolder copy, user;
    ASSERT_TRUE(QDir().mkpath(copy.path("programs")));
    const FolderMode locked(copy.path("programs"), 0555);
    const EnvironmentVariable dataHome("XDG_DATA_HOME", user.path("data"));
    const DataFolder folder = DataFolder::settle(copy.path("programs"), "vornd");
    EXPECT_EQ(folder.path, user.path("data/desktop-suite/vornd"));
    EXPECT_EQ(folder.failure, "");
    EXPECT_EQ(QDir(folder.path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(modeOf(folder.path), 0700u);
}

// The program itself, run from a copy: its executable's folder and file name settle the
// folder that programFolder() reports.
QString runProbe(const QString& copy, const QString& dataHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("LD_LIBRARY_PATH", RUNTIME_LIBRARY_FOLDER);
    process.setProcessEnvironment(environment);
    process.start(copy, {});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST(DataFolderOfAProgram, CopyInAWritableFolderReportsThatFolder)
{
    TestFolder own, user;
    ASSERT_TRUE(QFile::copy(DATAFOLDER_PROBE, own.path("datafolder_probe")));
    EXPECT_EQ(runProbe(own.path("datafolder_probe"), user.path("data")), own.path() + "\n");
    EXPECT_FALSE(user.exists("data"));
}

TEST(DataFolderOfAProgram, InstalledReportsTheUsersFolderForItWithItsSamples)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    TestFolder tree, user;
    ASSERT_TRUE(QDir().mkpath(tree.path("usr/bin")));
    ASSERT_TRUE(QFile::copy(DATAFOLDER_PROBE, tree.path("usr/bin/datafolder_probe")));
    tree.write(QDir::cleanPath(tree.path("usr/bin/" SUITE_SAMPLES_FROM_PROGRAMS "/datafolder_probe/vorn.txt")), names);
    const FolderMode lockedBin(tree.path("usr/bin"), 0555);
    EXPECT_EQ(runProbe(tree.path("usr/bin/datafolder_probe"), user.path("data")), user.path("data/desktop-suite/datafolder_probe") + "\n");
    EXPECT_EQ(user.read("data/desktop-suite/datafolder_probe/vorn.txt"), names);
}

TEST(DataFolderFailure, IsShownInAMessageBoxAndAReadyFolderShowsNone)
{
    runtime::testing::ScriptedMessages messages;
    DataFolder{"/nowhere/vornd", ""}.reportFailure();
    EXPECT_TRUE(messages.shown().empty());
    DataFolder{"/nowhere/vornd", "Cannot make the folder /nowhere/vornd for this program's files: Permission denied"}
        .reportFailure();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Cannot make the folder /nowhere/vornd for this program's files: Permission denied");
    EXPECT_EQ(messages.shown()[0].style.value(), 48);  // OK alone, with the exclamation icon
    EXPECT_EQ(messages.shown()[0].title, "tests");
}

}  // namespace
