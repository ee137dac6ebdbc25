// SPDX-License-Identifier: LGPL-2.1-or-later
#include "pellix.h"

#include "runtime/testing/listclicks.h"
#include "runtime/testing/permissions.h"
#include "runtime/testing/testfolder.h"
#include "runtime/testing/testing.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include <sys/stat.h>

using namespace runtime;

namespace {

// The window reads "pellix.txt" from a program folder of the test's own.
class ViewerWindow : public ::testing::Test {
protected:
    ViewerWindow() { runtime::setProgramFolder(folder.path()); }
    ~ViewerWindow() override { runtime::setProgramFolder({}); }

    void write(const QByteArray& bytes) const { folder.write("pellix.txt", bytes); }

    // Created and shown once the test has prepared the file.
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

    runtime::testing::TestFolder folder;
    const QString file = folder.path("pellix.txt");
    runtime::testing::ScriptedMessages messages;
    runtime::testing::CaughtProgramEnd programEnd;
    std::unique_ptr<pellix> form;
};

struct LoadCase {
    const char* name;
    QByteArray contents;
    QStringList entries;
};

void PrintTo(const LoadCase& row, std::ostream* out) { *out << row.name; }

class ViewerLoading : public ViewerWindow, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ViewerLoading, FillsTheLeftListLineByLine)
{
    write(GetParam().contents);
    EXPECT_EQ(entries(window().List1), GetParam().entries);
    EXPECT_EQ(window().List2.count(), 0);
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, ViewerLoading, ::testing::Values(
    LoadCase{"ThreeLines", "alpha\r\nbeta\r\ngamma\r\n", {"alpha", "beta", "gamma"}},
    LoadCase{"EmptyLinesBecomeEmptyEntries", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
    LoadCase{"LastLineWithoutLineEnd", "a\nb", {"a", "b"}},
    LoadCase{"EmptyFile", "", {}},
    LoadCase{"SpacesKept", "  two words \r\n", {"  two words "}},
    LoadCase{"NulByteKept", QByteArray("a\0b\r\n", 5), {QString("a") + QChar(0) + "b"}},
    LoadCase{"InvalidUtf8KeptAsEscapes", "caf\xe9\r\n", {QString("caf") + QChar(0xDCE9)}},
    LoadCase{"AHugeLineIsOneEntry", QByteArray(1 << 20, 'x') + "\r\nend\r\n", {QString(1 << 20, 'x'), "end"}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// Missing, a folder or a pipe in its place, unreadable: named in the message with the
// reason, at once (a pipe is never waited on), the lists stay empty, and the file is left
// as it was.
TEST_F(ViewerWindow, AFileThatCannotBeReadIsNamedAndLeftAsItWas)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    const auto expectMessage = [&](const char* fault, const QString& text) {
        messages.forget();
        form.reset();
        window();
        ASSERT_EQ(messages.shown().size(), 1u) << fault;
        EXPECT_EQ(messages.shown()[0].text, text) << fault;
        EXPECT_EQ(messages.shown()[0].title, "tests");
        EXPECT_EQ(window().List1.count() + window().List2.count(), 0);
        EXPECT_TRUE(window().isVisible());
    };
    expectMessage("missing", "Cannot open " + file + ": No such file or directory");
    QDir().mkdir(file);
    expectMessage("a folder in its place", "Cannot read " + file + ": it is a folder");
    QDir().rmdir(file);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    expectMessage("a pipe in its place", "Cannot read " + file + ": it is not an ordinary file");
    QFile::remove(file);
    write("alpha\r\n");
    QFile::setPermissions(file, QFile::WriteOwner);
    expectMessage("unreadable", "Cannot open " + file + ": Permission denied");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QFile contents(file);
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    EXPECT_EQ(contents.readAll(), "alpha\r\n");
}

enum class Action { ClickLeft, DoubleClickLeft, ClickRight, PressMove };

struct Step {
    Action action;
    int index = 0;
};

struct MoveCase {
    const char* name;
    QByteArray contents;
    std::vector<Step> steps;
    QStringList left, right;
    int leftCurrent, rightCurrent;  // -1: no selection
};

void PrintTo(const MoveCase& row, std::ostream* out) { *out << row.name; }

class ViewerMoves : public ViewerWindow, public ::testing::WithParamInterface<MoveCase> {
protected:
    // Real mouse input on the entry; a double-click as the window system delivers it:
    // a click, then a second press as double-click.
    void perform(const Step& step)
    {
        if (step.action == Action::PressMove) {
            QTest::mouseClick(window().Command1.widget(), Qt::LeftButton);
            return;
        }
        const runtime::ListBox& list = step.action == Action::ClickRight ? window().List2 : window().List1;
        QWidget* rows = runtime::testing::listView(list).viewport();
        const QPoint point = runtime::testing::entryCentre(list, step.index);
        QTest::mouseClick(rows, Qt::LeftButton, {}, point);
        if (step.action == Action::DoubleClickLeft) {
            QTest::mouseDClick(rows, Qt::LeftButton, {}, point);
            QTest::mouseRelease(rows, Qt::LeftButton, {}, point);
        }
    }
};

TEST_P(ViewerMoves, MovesOneEntryOnlyWhenOneListHasASelection)
{
    write(GetParam().contents);
    for (const Step& step : GetParam().steps)
        perform(step);
    EXPECT_EQ(entries(window().List1), GetParam().left);
    EXPECT_EQ(entries(window().List2), GetParam().right);
    EXPECT_EQ(window().List1.currentIndex(), GetParam().leftCurrent);
    EXPECT_EQ(window().List2.currentIndex(), GetParam().rightCurrent);
    EXPECT_TRUE(messages.shown().empty());
}

using enum Action;
INSTANTIATE_TEST_SUITE_P(Clicks, ViewerMoves, ::testing::Values(
    MoveCase{"ADoubleClickLeftMovesToTheEndOfTheRight", "alpha\r\nbeta\r\ngamma\r\n",
             {{DoubleClickLeft, 1}, {DoubleClickLeft, 1}}, {"alpha"}, {"beta", "gamma"}, -1, -1},
    MoveCase{"ASingleClickLeftOnlySelects", "alpha\r\nbeta\r\n", {{ClickLeft, 0}}, {"alpha", "beta"}, {}, 0, -1},
    MoveCase{"TheButtonMovesTheSelection", "alpha\r\nbeta\r\n",
             {{ClickLeft, 0}, {PressMove}}, {"beta"}, {"alpha"}, -1, -1},
    MoveCase{"WithoutASelectionTheButtonDoesNothing", "alpha\r\nbeta\r\n", {{PressMove}}, {"alpha", "beta"}, {}, -1, -1},
    MoveCase{"AClickRightMovesBackAtOnce", "alpha\r\nbeta\r\ngamma\r\n",
             {{DoubleClickLeft, 0}, {DoubleClickLeft, 0}, {ClickRight, 0}}, {"gamma", "alpha"}, {"beta"}, -1, -1},
    // With a selection on both sides neither a click on the right, the button nor a
    // double-click on the left moves anything, and both selections stay.
    MoveCase{"ASelectionInBothListsMovesNothing", "alpha\r\nbeta\r\n",
             {{DoubleClickLeft, 0}, {ClickLeft, 0}, {ClickRight, 0}, {PressMove}, {DoubleClickLeft, 0}},
             {"beta"}, {"alpha"}, 0, 0},
    MoveCase{"EqualTextsMoveOneAtATimeByPosition", "same\r\nother\r\nsame\r\nsame\r\n",
             {{DoubleClickLeft, 2}, {ClickLeft, 0}, {PressMove}, {ClickRight, 1}},
             {"other", "same", "same"}, {"same"}, -1, -1}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(ViewerWindow, ExitEndsAtOnce)
{
    write("alpha\r\n");
    QTest::mouseClick(window().Command2.widget(), Qt::LeftButton);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
