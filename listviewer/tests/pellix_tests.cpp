#include "pellix.h"
#include "programfolder.h"

#include "runtime/testing/testing.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace runtime;

namespace {

class ViewerWindow : public ::testing::Test {
protected:
    // Creates and shows the window reading "pellix.txt" as the test has written it.
    pellix& window(const QByteArray& fileContents)
    {
        folder.write("pellix.txt", fileContents);
        return window();
    }

    pellix& window()
    {
        if (!form) {
            form = std::make_unique<pellix>();
            form->show();
        }
        return *form;
    }

    static QStringList entries(const ListBox& list)
    {
        QStringList texts;
        for (int index = 0; index < list.count(); ++index)
            texts << list.item(index);
        return texts;
    }

    static QListWidget* widgetOf(ListBox& list) { return static_cast<QListWidget*>(list.widget()); }

    static QPoint centreOf(ListBox& list, int index)
    {
        QListWidget* widget = widgetOf(list);
        widget->scrollToItem(widget->item(index));
        return widget->visualItemRect(widget->item(index)).center();
    }

    static void click(ListBox& list, int index)
    {
        QTest::mouseClick(widgetOf(list)->viewport(), Qt::LeftButton, {}, centreOf(list, index));
    }

    static void doubleClick(ListBox& list, int index)
    {
        const QPoint point = centreOf(list, index);
        // As the window system delivers it: a click, then a second press as double-click.
        QWidget* viewport = widgetOf(list)->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
    }

    void pressMove() { QTest::mouseClick(window().Command1.widget(), Qt::LeftButton); }

    void expectLists(const QStringList& left, const QStringList& right)
    {
        EXPECT_EQ(entries(window().List1), left);
        EXPECT_EQ(entries(window().List2), right);
    }

    ProgramFolder folder;
    runtime::testing::ScriptedMessages messages;
    runtime::testing::CaughtProgramEnd programEnd;
    std::unique_ptr<pellix> form;
};

struct LoadCase {
    const char* name;
    QByteArray contents;
    QStringList entries;
};

// Names the row in test output instead of dumping its bytes.
void PrintTo(const LoadCase& row, std::ostream* out)
{
    *out << row.name;
}

class ViewerLoading : public ViewerWindow, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ViewerLoading, FillsTheLeftListLineByLine)
{
    window(GetParam().contents);
    expectLists(GetParam().entries, {});
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, ViewerLoading, ::testing::Values(
    LoadCase{"ThreeLines", "alpha\r\nbeta\r\ngamma\r\n", {"alpha", "beta", "gamma"}},
    LoadCase{"EmptyLinesBecomeEmptyEntries", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
    LoadCase{"LastLineWithoutLineEnd", "a\nb", {"a", "b"}},
    LoadCase{"EmptyFile", "", {}},
    LoadCase{"SpacesKept", "  two words \r\n", {"  two words "}},
    LoadCase{"NulByteKept", QByteArray("a\0b\r\n", 5), {QString("a") + QChar(0) + "b"}},
    LoadCase{"InvalidUtf8KeptAsEscapes", "caf\xe9\r\n", {QString("caf") + QChar(0xDCE9)}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST_F(ViewerWindow, AHugeLineIsOneEntry)
{
    const QByteArray huge(1 << 20, 'x');
    window(huge + "\r\nend\r\n");
    ASSERT_EQ(window().List1.count(), 2);
    EXPECT_EQ(window().List1.item(0).size(), 1 << 20);
    EXPECT_EQ(window().List1.item(1), "end");
}

TEST_F(ViewerWindow, AMissingFileIsNamedAndTheListsStayEmpty)
{
    window();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains(folder.path("pellix.txt"))) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(messages.shown()[0].title, "tests");
    expectLists({}, {});
    EXPECT_TRUE(window().isVisible());
}

TEST_F(ViewerWindow, AFolderInPlaceOfTheFileIsNamed)
{
    QDir().mkdir(folder.path("pellix.txt"));
    window();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains(folder.path("pellix.txt")));
    expectLists({}, {});
}

TEST_F(ViewerWindow, DoubleClickInTheLeftListMovesTheEntryToTheEndOfTheRight)
{
    window("alpha\r\nbeta\r\ngamma\r\n");
    doubleClick(window().List1, 1);
    expectLists({"alpha", "gamma"}, {"beta"});
    EXPECT_EQ(window().List1.currentIndex(), -1);
    doubleClick(window().List1, 1);
    expectLists({"alpha"}, {"beta", "gamma"});
}

TEST_F(ViewerWindow, ASingleClickInTheLeftListOnlySelects)
{
    window("alpha\r\nbeta\r\n");
    click(window().List1, 0);
    expectLists({"alpha", "beta"}, {});
    EXPECT_EQ(window().List1.currentIndex(), 0);
    pressMove();
    expectLists({"beta"}, {"alpha"});
    EXPECT_EQ(window().List1.currentIndex(), -1);
    EXPECT_EQ(window().List2.currentIndex(), -1);
}

TEST_F(ViewerWindow, AClickInTheRightListMovesTheEntryBackAtOnce)
{
    window("alpha\r\nbeta\r\ngamma\r\n");
    doubleClick(window().List1, 0);
    doubleClick(window().List1, 0);
    expectLists({"gamma"}, {"alpha", "beta"});
    click(window().List2, 0);
    expectLists({"gamma", "alpha"}, {"beta"});
    EXPECT_EQ(window().List2.currentIndex(), -1);
    EXPECT_EQ(window().List1.currentIndex(), -1);
}

TEST_F(ViewerWindow, TheReceivingListKeepsItsSelection)
{
    window("alpha\r\nbeta\r\n");
    doubleClick(window().List1, 0);
    click(window().List1, 0);  // "beta" selected on the left
    expectLists({"beta"}, {"alpha"});
    ASSERT_EQ(window().List1.currentIndex(), 0);
    // "alpha" on the right cannot move back while the left has a selection, and
    // "beta" cannot move while the right has one: both stay as they are.
    click(window().List2, 0);
    pressMove();
    doubleClick(window().List1, 0);
    expectLists({"beta"}, {"alpha"});
    EXPECT_EQ(window().List1.currentIndex(), 0);
    EXPECT_EQ(window().List2.currentIndex(), 0);
}

TEST_F(ViewerWindow, WithNoSelectionTheButtonDoesNothing)
{
    window("alpha\r\nbeta\r\n");
    pressMove();
    expectLists({"alpha", "beta"}, {});
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ViewerWindow, EqualTextsMoveOneAtATimeByPosition)
{
    window("same\r\nother\r\nsame\r\nsame\r\n");
    doubleClick(window().List1, 2);
    expectLists({"same", "other", "same"}, {"same"});
    click(window().List1, 0);
    pressMove();
    expectLists({"other", "same"}, {"same", "same"});
    click(window().List2, 1);
    expectLists({"other", "same", "same"}, {"same"});
}

TEST_F(ViewerWindow, ExitEndsAtOnce)
{
    window("alpha\r\n");
    QTest::mouseClick(window().Command2.widget(), Qt::LeftButton);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
