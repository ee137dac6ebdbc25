// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/testing/testfolder.h"
#include "vorn.h"

#include "runtime/testing/listclicks.h"
#include "runtime/testing/testing.h"

#include <QTest>

#include <gtest/gtest.h>

using runtime::testing::TestFolder;

using runtime::MessageBoxRequest;
using runtime::Yes;

namespace {

constexpr long red = 255;
constexpr long black = 0;

class VornWindow : public ::testing::Test {
protected:
    VornWindow() { runtime::setProgramFolder(folder.path()); }
    ~VornWindow() override { runtime::setProgramFolder({}); }

    // Creates and shows the window once the test has prepared its files.
    Vorn& window()
    {
        if (!vorn) {
            vorn = std::make_unique<Vorn>();
            vorn->show();
        }
        return *vorn;
    }

    void loadNames(const QByteArray& lines)
    {
        folder.write("vorn.txt", lines);
        window().load.press();
    }

    void search(runtime::Button& button, const QString& target)
    {
        window().target.setText(target);
        button.press();
    }

    QStringList results()
    {
        QStringList entries;
        for (int index = 0; index < window().results.count(); ++index)
            entries << window().results.item(index);
        return entries;
    }

    void selectResult(int index)
    {
        runtime::testing::clickEntry(window().results, index);
    }

    TestFolder folder;
    runtime::testing::ScriptedMessages messages;
    runtime::testing::DrivenTime time;
    runtime::testing::CaughtProgramEnd programEnd;
    std::unique_ptr<Vorn> vorn;
};

TEST_F(VornWindow, StartsWithTheDesignedControls)
{
    EXPECT_EQ(window().caption(), "Vorn Solution");
    EXPECT_EQ(window().load.caption(), "Load Data");
    EXPECT_EQ(window().delete_.caption(), "Delete Name");
    EXPECT_EQ(window().results.left(), 3720);
    EXPECT_EQ(window().msgs.caption(), "");
    EXPECT_EQ(window().Timer1.interval(), 0);
    // No label designates the target box and the results, so the design names them.
    EXPECT_EQ(runtime::testing::accessibleName(window().target), "Name to find");
    EXPECT_EQ(runtime::testing::accessibleName(window().results), "Found names");
    Vorn& shown = window();
    EXPECT_EQ(runtime::testing::tabCycle(shown.window()),
              (std::vector<QWidget*>{shown.target.widget(), shown.findfname.widget(), shown.findlname.widget(),
                                     shown.results.widget(), shown.delete_.widget(), shown.done.widget(),
                                     shown.savedata.widget(), shown.load.widget()}));
}

TEST_F(VornWindow, StatusLineShowsInColourAndClearsAfterFiveSeconds)
{
    window().load.press();  // no vorn.txt yet
    EXPECT_EQ(window().msgs.caption(), "loading data file failed");
    EXPECT_EQ(window().msgs.foreColor().value(), red);

    time.advance(3000);
    loadNames("Smith John\r\n");  // a newer text starts the five seconds again
    EXPECT_EQ(window().msgs.caption(), "data file loaded");
    EXPECT_EQ(window().msgs.foreColor().value(), black);
    time.advance(4999);
    EXPECT_EQ(window().msgs.caption(), "data file loaded");
    time.advance(1);
    EXPECT_EQ(window().msgs.caption(), "");
    EXPECT_FALSE(window().Timer1.enabled());
}

TEST_F(VornWindow, FindRefusesBeforeALoadAndWithoutATarget)
{
    window().findfname.press();
    EXPECT_EQ(window().msgs.caption(), "You must load the data first");
    EXPECT_EQ(window().msgs.foreColor().value(), red);
    EXPECT_TRUE(window().load.hasFocus());

    loadNames("Smith John\r\n");
    search(window().findlname, "");
    EXPECT_EQ(window().msgs.caption(), "You must fill in a target");
    EXPECT_TRUE(window().target.hasFocus());

    // A failed load after a good one still lets the search run.
    folder.write("vorn.txt", "broken\r\n");
    window().load.press();
    search(window().findlname, "smith");
    EXPECT_EQ(results(), QStringList{"Smith,John"});
}

TEST_F(VornWindow, FindComparesWholeNamesIgnoringCaseAndKeepsEarlierResults)
{
    loadNames("Smith John\r\nBrown John\r\nMüller Øst\r\n");
    search(window().findlname, "SMITH");
    search(window().findlname, "smi");
    EXPECT_EQ(window().msgs.caption(), "data file loaded");  // a search shows nothing
    search(window().findfname, "john");
    search(window().findfname, "ØST");
    search(window().findlname, "SMITH");
    EXPECT_EQ(results(), (QStringList{"Smith,John", "Smith,John", "Brown,John", "Müller,Øst", "Smith,John"}));
    EXPECT_EQ(window().results.itemNumber(2), 2);
    EXPECT_EQ(window().results.itemNumber(3), 3);
}

// Lower case as each letter has it, not a folding of cases: the Kelvin sign is a k in
// lower case, but a final sigma stays itself and so differs from a sigma.
TEST_F(VornWindow, FindComparesLettersThatAreNotAsciiInLowerCase)
{
    loadNames("Kim Lee\r\nNikos \xCE\xA3\xCE\xBF\xCF\x86\xCE\xBF\xCF\x83\r\nSmith Jo\xC3\r\n");
    search(window().findlname, QString::fromUtf8("\u212AIM"));
    search(window().findfname, QString::fromUtf8("\u03C3\u03BF\u03C6\u03BF\u03C2"));
    search(window().findfname, QString::fromUtf8("\u03A3\u039F\u03A6\u039F\u03A3"));
    search(window().findfname, QString::fromUtf16(u"JO\xDCC3"));
    EXPECT_EQ(results(), (QStringList{"Kim,Lee", QString::fromUtf8("Nikos,\u03A3\u03BF\u03C6\u03BF\u03C3"),
                                      QString::fromUtf16(u"Smith,Jo\xDCC3")}));
}

TEST_F(VornWindow, DeleteRemovesTheRecordTheEntryShows)
{
    loadNames("A One\r\nB Two\r\nC Three\r\n");
    search(window().findlname, "a");
    search(window().findlname, "c");
    search(window().findlname, "a");
    ASSERT_EQ(results(), (QStringList{"A,One", "C,Three", "A,One"}));

    selectResult(0);
    window().delete_.press();
    EXPECT_EQ(window().msgs.caption(), "A,One removed");
    EXPECT_EQ(window().results.currentIndex(), -1);

    // After the earlier deletion C moved to position 2; its entry still removes C.
    selectResult(0);
    window().delete_.press();
    ASSERT_EQ(window().list().count(), 1);
    EXPECT_EQ(window().list().item(1)->lastname(), "B");

    // The second entry of A names a record that is gone: no other record goes with it.
    selectResult(0);
    window().delete_.press();
    EXPECT_EQ(window().list().count(), 1);
    EXPECT_TRUE(results().isEmpty());
}

TEST_F(VornWindow, DeleteWithoutASelectedEntryDoesNothing)
{
    loadNames("A One\r\n");
    window().delete_.press();
    search(window().findlname, "a");
    window().delete_.press();
    EXPECT_EQ(window().list().count(), 1);
    EXPECT_EQ(results(), QStringList{"A,One"});
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(VornWindow, ExitAsksAboutUnsavedDataAndYesSaves)
{
    folder.write("vorno.txt", "Old Name\r\n");
    window().done.press();
    ASSERT_EQ(messages.shown().size(), 1u);
    const MessageBoxRequest& question = messages.shown().front();
    EXPECT_EQ(question.text, "Data is unsaved, do you want to save first?");
    EXPECT_EQ(question.title, "Unsaved Data");
    EXPECT_EQ(question.style.value(), 308);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_EQ(folder.read("vorno.txt"), "Old Name\r\n");  // the default answer is No

    runtime::testing::CaughtProgramEnd again;
    messages.answerNext(Yes);
    window().done.press();
    EXPECT_TRUE(again.ended());
    EXPECT_EQ(folder.read("vorno.txt"), "");
}

TEST_F(VornWindow, ExitAfterASaveEndsWithoutAQuestionUntilADeletion)
{
    loadNames("A One\r\nB Two\r\n");
    window().savedata.press();
    EXPECT_EQ(window().msgs.caption(), "data file saved");
    window().done.press();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(programEnd.ended());

    runtime::testing::CaughtProgramEnd again;
    search(window().findlname, "b");
    selectResult(0);
    window().delete_.press();
    messages.answerNext(Yes);
    window().done.press();
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(folder.read("vorno.txt"), "A One\r\n");
    EXPECT_EQ(folder.read("vorn.txt"), "A One\r\nB Two\r\n");
}

}  // namespace
