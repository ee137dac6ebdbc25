// SPDX-License-Identifier: LGPL-2.1-or-later
#include "form1.h"

#include "runtime/testing/permissions.h"
#include "runtime/testing/testing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace runtime;

namespace {

// A temporary folder that is current for the life of the object.
class CurrentFolder {
public:
    CurrentFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }

    QString path() const { return folder_.path(); }
    void addFile(const QString& name) const { QFile(folder_.filePath(name)).open(QIODevice::WriteOnly); }
    void addFolder(const QString& name) const { QDir(folder_.path()).mkdir(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// What the chooser must show, found without its search: the visible ordinary "*.dt"
// files of `folder`, in the file system's order.
QStringList dataFilesAsListed(const QString& folder)
{
    QStringList names;
    QDirIterator files(folder, {QStringLiteral("*.dt")}, QDir::Files | QDir::CaseSensitive);
    while (files.hasNext())
        names << files.nextFileInfo().fileName();
    return names;
}

class ChooserWindow : public ::testing::Test {
protected:
    // Created and shown once the test has prepared its folder.
    Form1& window()
    {
        if (!form) {
            form = std::make_unique<Form1>();
            form->show();
        }
        return *form;
    }

    QStringList entries()
    {
        QStringList names;
        for (int index = 0; index < window().List1.count(); ++index)
            names << window().List1.item(index);
        return names;
    }

    runtime::testing::ScriptedMessages messages;
    std::unique_ptr<Form1> form;
};

struct FolderCase {
    const char* name;
    QStringList files;
    QStringList folders;
    QStringList listed;  // sorted; the order shown is the file system's
};

void PrintTo(const FolderCase& row, std::ostream* out) { *out << row.name; }

QStringList numberedFiles(int count)
{
    QStringList names;
    for (int number = 0; number < count; ++number)
        names << QString("file%1.dt").arg(number, 3, 10, QChar('0'));
    return names;
}

class ChooserListing : public ChooserWindow, public ::testing::WithParamInterface<FolderCase> {};

// A data file in the program folder must not be listed: only the current folder counts.
TEST_P(ChooserListing, ListsTheDataFilesOfTheCurrentFolderInSearchOrder)
{
    QTemporaryDir programFolder;
    QFile(programFolder.filePath("own.dt")).open(QIODevice::WriteOnly);
    runtime::setProgramFolder(programFolder.path());
    CurrentFolder current;
    for (const QString& name : GetParam().files)
        current.addFile(name);
    for (const QString& name : GetParam().folders)
        current.addFolder(name);

    const QStringList shown = entries();
    runtime::setProgramFolder({});
    EXPECT_EQ(shown, dataFilesAsListed(current.path()));
    QStringList sorted = shown;
    sorted.sort();
    EXPECT_EQ(sorted, GetParam().listed);
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Folders, ChooserListing, ::testing::Values(
    FolderCase{"Empty", {}, {}, {}},
    FolderCase{"NoDataFiles", {"notes.txt", "data.dtx", "data.dt.bak", "dt", "DATA.DT"}, {}, {}},
    FolderCase{"DataFilesAmongOthers",
               {"grades.dt", "notes.txt", ".hidden.dt", "café.dt", "two words.dt", ".dt", "x.dt.old"},
               {"x.dt", "sub"},
               {"café.dt", "grades.dt", "two words.dt"}},
    FolderCase{"FiveHundredFiles", numberedFiles(500), {}, numberedFiles(500)}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST_F(ChooserWindow, ListsOnceWhenItOpens)
{
    CurrentFolder current;
    current.addFile("first.dt");
    window();
    current.addFile("later.dt");
    window().hide();
    window().show();
    EXPECT_EQ(entries(), QStringList{"first.dt"});
}

// The pattern of the root is "//*.dt", which must still search the root (the runtime's
// pattern search tests a doubled slash with files to find; the root seldom holds any).
TEST_F(ChooserWindow, SearchesTheRoot)
{
    EXPECT_EQ(dataFilePattern("/"), "//*.dt");
    const QString previous = QDir::currentPath();
    QDir::setCurrent("/");
    const QStringList shown = entries();
    QDir::setCurrent(previous);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(shown, dataFilesAsListed("/"));
}

// A current folder deleted while current, or one whose names cannot be read: a message
// that says which, and the window opens with an empty list.
TEST_F(ChooserWindow, ACurrentFolderThatCannotBeSearchedGetsAMessageAndAnEmptyList)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const auto expectMessage = [&](const QString& naming) {
        ASSERT_EQ(messages.shown().size(), 1u) << naming.toStdString();
        EXPECT_TRUE(messages.shown()[0].text.contains(naming)) << messages.shown()[0].text.toStdString();
        EXPECT_EQ(messages.shown()[0].style.icon, Icon::Critical);
        EXPECT_EQ(window().List1.count(), 0);
        EXPECT_TRUE(window().isVisible());
        messages.forget();
        form.reset();
    };
    {
        CurrentFolder current;
        current.addFile("gone.dt");
        QDir(current.path()).removeRecursively();
        window();
    }
    expectMessage("current folder");

    CurrentFolder current;
    current.addFile("secret.dt");
    // Still enterable, so it stays current, but its names cannot be read.
    QFile::setPermissions(current.path(), QFile::ExeOwner | QFile::WriteOwner);
    window();
    QFile::setPermissions(current.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectMessage(current.path());
}

}  // namespace
