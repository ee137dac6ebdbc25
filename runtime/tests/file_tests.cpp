// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"
#include "runtime/files/encoding.h"
#include "runtime/files/patternsearch.h"
#include "runtime/files/textfile.h"
#include "runtime/testing/testfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/resource.h>

namespace {

class TextFiles : public ::testing::Test {
protected:
    QStringList lines(const QString& name) const
    {
        runtime::InputFile file(folder.path(name));
        QStringList read;
        while (!file.atEnd())
            read << file.readLine();
        return read;
    }

    runtime::testing::TestFolder folder;
};

TEST_F(TextFiles, ReadLinesWithoutTheirEndsWhateverTheEnd)
{
    folder.write("mixed.txt", "one\r\ntwo\n\r\nlast");
    EXPECT_EQ(lines("mixed.txt"), (QStringList{"one", "two", "", "last"}));
    folder.write("crlf.txt", "a\r\nb\r\n");
    EXPECT_EQ(lines("crlf.txt"), (QStringList{"a", "b"}));
    folder.write("empty.txt", "");
    EXPECT_TRUE(lines("empty.txt").isEmpty());
    folder.write("lone-cr.txt", "a\rb\r\n");
    EXPECT_EQ(lines("lone-cr.txt"), QStringList{"a\rb"});
    folder.write("cr-at-end.txt", "a\r\nb\r");
    EXPECT_EQ(lines("cr-at-end.txt"), (QStringList{"a", "b\r"}));
}

TEST_F(TextFiles, ReadingPastTheEndOrAMissingFileRaises)
{
    folder.write("one.txt", "only\r\n");
    runtime::InputFile file(folder.path("one.txt"));
    file.readLine();
    EXPECT_THROW(file.readLine(), runtime::RuntimeError);
    try {
        runtime::InputFile missing(folder.path("missing.txt"));
        FAIL() << "a missing file opened";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::RuntimeError::FileNotFound);
        EXPECT_TRUE(error.text().contains("missing.txt")) << error.text().toStdString();
    }
    QDir(folder.path()).mkdir("folder.txt");
    EXPECT_THROW(runtime::InputFile(folder.path("folder.txt")), runtime::RuntimeError);
}

// Only ordinary files are read: anything else is refused at once, never waited on (a
// pipe with no writer) or read without end (the zero device).
TEST_F(TextFiles, OnlyOrdinaryFilesOfABoundedSizeAreRead)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe.txt")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", folder.path("zero.txt")));
    QDir(folder.path()).mkdir("folder.txt");
    folder.write("huge.txt", "");
    ASSERT_TRUE(QFile::resize(folder.path("huge.txt"), 64 * 1024 * 1024 + 1));
    const struct {
        const char* name;
        int number;
        const char* reason;
    } rows[] = {
        {"pipe.txt", 75, "it is not an ordinary file"},
        {"zero.txt", 75, "it is not an ordinary file"},
        {"folder.txt", 75, "it is a folder"},
        {"huge.txt", 7, "it is larger than 64 MB, the most a program reads"},
        {"missing.txt", 53, "No such file or directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = folder.path(row.name);
        try {
            runtime::InputFile file(path);
            ADD_FAILURE() << "opened";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), row.number);
            EXPECT_TRUE(error.text().endsWith(path + ": " + row.reason)) << error.text().toStdString();
        }
    }
}

TEST_F(TextFiles, OutputReplacesTheFileOnlyWhenClosed)
{
    folder.write("out.txt", "previous\r\n");
    {
        runtime::OutputFile file(folder.path("out.txt"));
        file.writeLine("new");
        EXPECT_EQ(folder.read("out.txt"), "previous\r\n");
        // Abandoned without close(): the previous file stays.
    }
    EXPECT_EQ(folder.read("out.txt"), "previous\r\n");
    runtime::OutputFile file(folder.path("out.txt"));
    file.writeLine("new");
    file.writeLine("");
    file.close();
    EXPECT_EQ(folder.read("out.txt"), "new\r\n\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.txt"});
}

// A save gives the new file the old one's mode bits exactly, and replaces the file a
// link leads to, not the link.
TEST_F(TextFiles, ASaveKeepsTheModeAndTheLink)
{
    for (const mode_t mode : {0644, 0600, 0444, 02755, 0660}) {
        SCOPED_TRACE(mode);
        folder.write("kept.txt", "old\r\n");
        ASSERT_EQ(::chmod(QFile::encodeName(folder.path("kept.txt")).constData(), mode), 0);
        runtime::OutputFile file(folder.path("kept.txt"));
        file.writeLine("new");
        file.close();
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(folder.path("kept.txt")).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, mode);
        EXPECT_EQ(folder.read("kept.txt"), "new\r\n");
        QFile::setPermissions(folder.path("kept.txt"), QFile::ReadOwner | QFile::WriteOwner);
    }
    folder.write("target.txt", "old\r\n");
    ASSERT_TRUE(QFile::link("target.txt", folder.path("link.txt")));
    runtime::OutputFile file(folder.path("link.txt"));
    file.writeLine("through the link");
    file.close();
    EXPECT_TRUE(QFileInfo(folder.path("link.txt")).isSymLink());
    EXPECT_EQ(folder.read("target.txt"), "through the link\r\n");
}

// Root saving another user's file gives it back to that user and group, mode intact.
TEST_F(TextFiles, ASaveByRootKeepsTheOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    const passwd* other = ::getpwnam("nobody");
    ASSERT_NE(other, nullptr);
    folder.write("theirs.txt", "old\r\n");
    const QByteArray path = QFile::encodeName(folder.path("theirs.txt"));
    ASSERT_EQ(::chown(path.constData(), other->pw_uid, other->pw_gid), 0);
    ASSERT_EQ(::chmod(path.constData(), 0460), 0);
    runtime::OutputFile file(folder.path("theirs.txt"));
    file.writeLine("new");
    file.close();
    struct stat status {};
    ASSERT_EQ(::stat(path.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, other->pw_uid);
    EXPECT_EQ(status.st_gid, other->pw_gid);
    EXPECT_EQ(status.st_mode & 07777, 0460u);
    EXPECT_EQ(folder.read("theirs.txt"), "new\r\n");
}

// Acts as another user, a member of one more group, until it goes out of scope: the
// effective ids change, so root can come back.
class ActingAs {
public:
    ActingAs(uid_t user, gid_t group, gid_t memberOf)
    {
        const gid_t groups[] = {memberOf};
        EXPECT_EQ(::setgroups(1, groups), 0);
        EXPECT_EQ(::setegid(group), 0);
        EXPECT_EQ(::seteuid(user), 0);
    }
    ~ActingAs()
    {
        EXPECT_EQ(::seteuid(0), 0);
        EXPECT_EQ(::setegid(0), 0);
        EXPECT_EQ(::setgroups(0, nullptr), 0);
    }
};

// A member of the file's group who saves another user's file may write it but not give
// it back: it is written where it stands, and stays its owner's, with its group and mode.
TEST_F(TextFiles, ASaveByAGroupMemberKeepsTheOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may act as two other users";
    // Each look-up overwrites the last one's record: the ids are copied out at once.
    const passwd* found = ::getpwnam("daemon");
    ASSERT_NE(found, nullptr);
    const uid_t owner = found->pw_uid;
    found = ::getpwnam("nobody");
    ASSERT_NE(found, nullptr);
    const uid_t member = found->pw_uid;
    const gid_t memberGroup = found->pw_gid;
    const group* users = ::getgrnam("users");
    ASSERT_NE(users, nullptr);
    const gid_t shared = users->gr_gid;
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
    folder.write("theirs.txt", "old\r\n");
    const QByteArray path = QFile::encodeName(folder.path("theirs.txt"));
    ASSERT_EQ(::chown(path.constData(), owner, shared), 0);
    ASSERT_EQ(::chmod(path.constData(), 0460), 0);
    {
        ActingAs acting(member, memberGroup, shared);
        runtime::OutputFile file(folder.path("theirs.txt"));
        file.writeLine("new");
        file.close();
    }
    struct stat status {};
    ASSERT_EQ(::stat(path.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, owner);
    EXPECT_EQ(status.st_gid, shared);
    EXPECT_EQ(status.st_mode & 07777, 0460u);
    EXPECT_EQ(folder.read("theirs.txt"), "new\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"theirs.txt"});
}

TEST_F(TextFiles, AFullDiskRaisesForOutputAndAppend)
{
    ASSERT_TRUE(QFile::link("/dev/full", folder.path("full.txt")));
    runtime::OutputFile output(folder.path("full.txt"));
    EXPECT_THROW(
        {
            output.writeLine("x");
            output.close();
        },
        runtime::RuntimeError);
    runtime::AppendFile append(folder.path("full.txt"));
    try {
        append.writeLine("x");
        ADD_FAILURE() << "appended";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), 61);
        EXPECT_EQ(error.text(), "Cannot append to " + folder.path("full.txt") + ": No space left on device");
    }
    EXPECT_TRUE(QFileInfo(folder.path("full.txt")).isSymLink());
}

// A disk that fills up after the given number of bytes, as a file-size limit makes it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

// 100 lines still sit in the write buffer when close() is called, so the disk fills
// up there; 1000 lines overflow the buffer and fill it up during a write.
TEST_F(TextFiles, ADiskFullHalfwayKeepsThePreviousFile)
{
    for (const int lineCount : {100, 1000}) {
        folder.write("out.txt", "previous\r\n");
        bool raised = false;
        {
            const FileSizeLimit limit(1024);
            try {
                runtime::OutputFile file(folder.path("out.txt"));
                for (int line = 0; line < lineCount; ++line)
                    file.writeLine("a line of names that will not all fit");
                file.close();
            } catch (const runtime::RuntimeError&) {
                raised = true;
            }
        }
        EXPECT_TRUE(raised) << lineCount << " lines";
        EXPECT_EQ(folder.read("out.txt"), "previous\r\n") << lineCount << " lines";
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.txt"}) << lineCount << " lines";
    }
}

TEST_F(TextFiles, AnAppendThatDoesNotFitIsTakenBackWhole)
{
    folder.write("schools.txt", "A;B;C\r\n");
    {
        const FileSizeLimit limit(12);
        runtime::AppendFile file(folder.path("schools.txt"));
        EXPECT_THROW(file.writeLine("Longer;than;fits"), runtime::RuntimeError);
        file.writeLine("D;E");
        file.close();
    }
    EXPECT_EQ(folder.read("schools.txt"), "A;B;C\r\nD;E\r\n");
}

TEST_F(TextFiles, AppendCreatesTheFileAndAddsWholeLines)
{
    {
        runtime::AppendFile file(folder.path("schools.txt"));
        file.writeLine("A;B;C");
        file.close();
    }
    runtime::AppendFile file(folder.path("schools.txt"));
    file.writeLine(QString::fromUtf8("Zürich;;"));
    file.close();
    EXPECT_EQ(folder.read("schools.txt"), "A;B;C\r\nZ\xC3\xBCrich;;\r\n");
}

TEST(PatternMatching, StarAndQuestionMarkOnly)
{
    struct Row {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Row rows[] = {
        {"a.dt", "*.dt", true},      {".dt", "*.dt", true},       {"a.dtx", "*.dt", false},
        {"a.DT", "*.dt", false},     {"x.dt.dt", "*.dt", true},   {"ab", "a?", true},
        {"a", "a?", false},          {"[x].dt", "[x].dt", true},  {"anything", "*", true},
        {"a.dt", "a.dt", true},      {"b.dt", "a.dt", false},     {"abcbxd", "a*b?d", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(runtime::PatternSearch::matches(row.name, row.pattern), row.matches) << row.name << " " << row.pattern;
}

TEST_F(TextFiles, PatternSearchListsOrdinaryVisibleFilesOnly)
{
    folder.write("one.dt", "");
    folder.write("two.dt", "");
    folder.write(".hidden.dt", "");
    folder.write("other.txt", "");
    QDir(folder.path()).mkdir("folder.dt");
    ASSERT_TRUE(QFile::link("/dev/null", folder.path("device.dt")));

    runtime::PatternSearch search(folder.path() + "/*.dt");
    QStringList found;
    for (QString name = search.next(); !name.isEmpty(); name = search.next())
        found << name;
    found.sort();
    EXPECT_EQ(found, (QStringList{"one.dt", "two.dt"}));
    EXPECT_EQ(search.next(), "");

    EXPECT_EQ(runtime::PatternSearch(folder.path() + "/one.dt").next(), "one.dt");
    EXPECT_EQ(runtime::PatternSearch(folder.path() + "/none.dt").next(), "");
    // The root's pattern is "//*.dt": a doubled slash still names the folder.
    EXPECT_EQ(runtime::PatternSearch(folder.path() + "//one.dt").next(), "one.dt");
    EXPECT_EQ(runtime::PatternSearch(folder.path() + "/.//one.dt").next(), "one.dt");
}

// File names are bytes: a folder and a file whose names are not valid UTF-8 are found,
// and their names go back to the system unchanged.
TEST_F(TextFiles, PatternSearchTakesNamesThatAreNotUtf8)
{
    const QByteArray folderName = QFile::encodeName(folder.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(folderName.constData(), 0700), 0);
    ASSERT_EQ(::close(::open((folderName + "/r\xe9sum\xe9.dt").constData(), O_CREAT | O_WRONLY, 0600)), 0);
    runtime::PatternSearch search(runtime::decodeText(folderName) + "/*.dt");
    const QString found = search.next();
    EXPECT_EQ(runtime::encodeText(found), "r\xe9sum\xe9.dt");
    runtime::InputFile file(runtime::decodeText(folderName) + '/' + found);
    EXPECT_TRUE(file.atEnd());
    EXPECT_THROW(runtime::PatternSearch(folder.path() + "/missing/*.dt"), runtime::RuntimeError);
}

}  // namespace
