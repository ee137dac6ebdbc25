#include "currentfolder.h"
#include "form1.h"

#include "runtime/testing/testing.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace runtime;

namespace {

class ChooserWindow : public ::testing::Test {
protected:
    // Creates and shows the window once the test has prepared its folder.
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

TEST(DataFilePattern, AddsTheSeparatorWhateverTheFolderEndsWith)
{
    EXPECT_EQ(dataFilePattern("/home/ann"), "/home/ann/*.dt");
    EXPECT_EQ(dataFilePattern("/"), "//*.dt");
    EXPECT_EQ(dataFilePattern("/home/ann/"), "/home/ann//*.dt");
}

struct FolderCase {
    const char* name;
    QStringList files;
    QStringList folders;
    QStringList listed;  // in any order; the order itself is the file system's
};

// Names the row in test output instead of dumping its bytes.
void PrintTo(const FolderCase& row, std::ostream* out)
{
    *out << row.name;
}

class ChooserListing : public ChooserWindow, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(ChooserListing, ListsTheDataFilesOfTheCurrentFolderInSearchOrder)
{
    CurrentFolder current;
    for (const QString& name : GetParam().files)
        current.addFile(name);
    for (const QString& name : GetParam().folders)
        current.addFolder(name);

    const QStringList shown = entries();
    EXPECT_EQ(shown, dataFilesAsListed(current.path()));
    QStringList sorted = shown;
    sorted.sort();
    EXPECT_EQ(sorted, GetParam().listed);
    EXPECT_EQ(window().Label1.caption(), "File Choices");
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Folders, ChooserListing, ::testing::Values(
    FolderCase{"Empty", {}, {}, {}},
    FolderCase{"NoDataFiles", {"notes.txt", "data.dtx", "data.dt.bak", "dt", "DATA.DT"}, {}, {}},
    FolderCase{"DataFilesAmongOthers",
               {"grades.dt", "notes.txt", ".hidden.dt", "café.dt", "two words.dt", ".dt", "x.dt.old"},
               {"x.dt", "sub"},
               {"café.dt", "grades.dt", "two words.dt"}}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST_F(ChooserWindow, ListsManyFilesAllInSearchOrder)
{
    CurrentFolder current;
    QStringList names;
    for (int number = 0; number < 500; ++number) {
        names << QString("file%1.dt").arg(number, 3, 10, QChar('0'));
        current.addFile(names.back());
    }
    const QStringList shown = entries();
    ASSERT_EQ(shown.size(), 500);
    EXPECT_EQ(shown, dataFilesAsListed(current.path()));
}

TEST_F(ChooserWindow, TheProgramFolderPlaysNoPart)
{
    QTemporaryDir programFolder;
    QFile(programFolder.filePath("own.dt")).open(QIODevice::WriteOnly);
    runtime::testing::setProgramFolder(programFolder.path());
    CurrentFolder current;
    current.addFile("current.dt");
    EXPECT_EQ(entries(), QStringList{"current.dt"});
    runtime::testing::setProgramFolder({});
}

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

TEST_F(ChooserWindow, SearchesTheRootThroughTheDoubleSeparator)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent("/");
    const QStringList shown = entries();
    QDir::setCurrent(previous);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(shown, dataFilesAsListed("/"));
}

TEST_F(ChooserWindow, ACurrentFolderDeletedWhileCurrentGetsAMessageAndAnEmptyList)
{
    {
        CurrentFolder current;
        current.addFile("gone.dt");
        QDir(current.path()).removeRecursively();
        window();
    }
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains("current folder")) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(messages.shown()[0].style.icon, Icon::Critical);
    EXPECT_EQ(window().List1.count(), 0);
    EXPECT_TRUE(window().isVisible());
}

}  // namespace
