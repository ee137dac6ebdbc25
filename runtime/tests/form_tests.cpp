// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"
#include "runtime/forms/button.h"
#include "runtime/forms/combobox.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/program.h"
#include "runtime/forms/textbox.h"
#include "runtime/forms/timer.h"
#include "runtime/testing/listclicks.h"
#include "runtime/testing/testing.h"

#include <QTest>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

using runtime::Text;

namespace {

// A window with one control of each kind that the tests below need.
class Sample : public runtime::Form {
public:
    Sample()
    {
        design({"Sample", 4800, 3600}, {
            {&first,  "",     120,  120, 1500,  300, 0},
            {&second, "",     120,  600, 1500,  300, 1},
            {&lines,  "",     120, 1080, 1500,  900, 2},
            {&names,  "",    1800,  120, 1500, 1200, 3},
            {&button, "Go",  1800, 1500,  900,  400, 4},
            {&status, "",     120, 2400, 3000,  300, 5},
            {&ticker},
        });
        first.KeyPress.bind(this, &Sample::first_KeyPress);
        names.Click.bind(this, &Sample::names_Click);
        button.Click.bind(this, &Sample::button_Click);
        ticker.Tick.bind(this, &Sample::ticker_Timer);
    }

    runtime::TextBox first;
    runtime::TextBox second;
    runtime::TextBox lines{runtime::TextBox::Lines::Multi};
    runtime::ListBox names;
    runtime::Button button;
    runtime::Label status;
    runtime::Timer ticker;

    int loads = 0;
    int terminations = 0;
    int clicks = 0;
    int ticks = 0;
    std::function<void(std::int16_t&)> onKey;
    std::function<void()> onButton;

private:
    void Form_Load() override { ++loads; }
    void Form_Terminate() override { ++terminations; }
    void first_KeyPress(std::int16_t& KeyAscii)
    {
        if (onKey)
            onKey(KeyAscii);
    }
    void names_Click() { ++clicks; }
    void button_Click()
    {
        if (onButton)
            onButton();
    }
    void ticker_Timer() { ++ticks; }
};

class Forms : public ::testing::Test {
protected:
    Forms() { sample.show(); }

    void clickEntry(runtime::ListBox& list, int index)
    {
        runtime::testing::clickEntry(list, index);
    }

    runtime::testing::ScriptedMessages messages;
    runtime::testing::DrivenTime time;
    Sample sample;
};

TEST_F(Forms, KeyPressMayDiscardOrReplaceAKey)
{
    sample.onKey = [](std::int16_t& key) {
        if (key == 'x')
            key = 0;
        else if (key == 'a')
            key = 'b';
    };
    QTest::keyClicks(sample.first.widget(), "axc");
    EXPECT_EQ(sample.first.text(), "bc");

    std::vector<std::int16_t> codes;
    sample.onKey = [&](std::int16_t& key) { codes.push_back(key); };
    QTest::keyClick(sample.first.widget(), Qt::Key_Backspace);
    QTest::keyClick(sample.first.widget(), Qt::Key_Return);
    QTest::keyClick(sample.first.widget(), Qt::Key_Left);
    QTest::keyClick(sample.first.widget(), Qt::Key_Delete);
    EXPECT_EQ(codes, (std::vector<std::int16_t>{8, 13}));
    EXPECT_EQ(sample.first.text(), "");
}

TEST_F(Forms, AKeyNotDiscardedLandsWhereItWasPressedEvenWhenTheFocusMoved)
{
    sample.onKey = [&](std::int16_t&) { sample.second.setFocus(); };
    QTest::keyClick(sample.first.widget(), '7');
    EXPECT_EQ(sample.first.text(), "7");
    EXPECT_EQ(sample.second.text(), "");
    EXPECT_TRUE(sample.second.hasFocus());
}

TEST_F(Forms, SelectionIsPlacedInTheText)
{
    sample.first.setText("31x");
    sample.first.setSelStart(2);
    sample.first.setSelLength(1);
    EXPECT_EQ(sample.first.selStart(), 2);
    EXPECT_EQ(sample.first.selLength(), 1);
    sample.first.setSelStart(10);
    EXPECT_EQ(sample.first.selStart(), 3);
}

TEST_F(Forms, AMultiLineBoxSeparatesLinesWithCrLf)
{
    QTest::keyClicks(sample.lines.widget(), "CS");
    QTest::keyClick(sample.lines.widget(), Qt::Key_Return);
    QTest::keyClicks(sample.lines.widget(), "CIS");
    EXPECT_EQ(sample.lines.text(), "CS\r\nCIS");
    sample.lines.setText("a\r\nb");
    EXPECT_EQ(sample.lines.text(), "a\r\nb");
}

// The user's clicks; what the program does to a list is the list contract's.
TEST_F(Forms, ListClickFollowsTheUser)
{
    for (const char* name : {"Carol", "Alice", "Bob"})
        sample.names.addItem(name);
    clickEntry(sample.names, 1);
    EXPECT_EQ(sample.clicks, 1);
    EXPECT_EQ(sample.names.currentIndex(), 1);
    EXPECT_EQ(sample.names.text(), "Alice");
    clickEntry(sample.names, 1);  // the selected entry again: a click all the same
    EXPECT_EQ(sample.clicks, 2);
    QTest::keyClick(sample.names.widget(), Qt::Key_Down);
    EXPECT_EQ(sample.clicks, 3);
    EXPECT_EQ(sample.names.text(), "Bob");
}

TEST(ListBoxes, MultipleSelectionMarksEachEntry)
{
    runtime::ListBox marks(runtime::ListBox::Selection::Multiple);
    for (const char* name : {"a", "b", "c"})
        marks.addItem(name);
    marks.setSelected(0, true);
    marks.setSelected(2, true);
    EXPECT_TRUE(marks.isSelected(0));
    EXPECT_FALSE(marks.isSelected(1));
    EXPECT_TRUE(marks.isSelected(2));
}

TEST(ComboBoxes, AddingToTheListNeverChangesTheText)
{
    runtime::ComboBox combo;
    combo.addItem("CIS");
    EXPECT_EQ(combo.text(), "");
    combo.setText("CS");
    combo.addItem("EE");
    EXPECT_EQ(combo.text(), "CS");
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.item(1), "EE");
}

// An entry added, even one equal to the text, is not chosen, and removing the chosen
// entry or clearing the list keeps the text. Choosing shows the entry; only the user's
// choice raises Click.
TEST(ComboBoxes, ChangingTheListKeepsTheTextAndChoosingShowsTheEntry)
{
    runtime::ComboBox combo(runtime::ComboBox::Order::Sorted);
    int clicks = 0;
    combo.Click.bind([&] { ++clicks; });
    combo.setText("CS");
    for (const char* name : {"CS", "EE", "CIS"})
        combo.addItem(name);
    EXPECT_EQ(combo.text(), "CS");
    EXPECT_EQ(combo.currentIndex(), -1);

    QTest::keyClick(combo.widget(), Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.text(), "CIS");
    QTest::keyClicks(combo.widget(), "x");
    EXPECT_EQ(combo.currentIndex(), 0) << "typing leaves the current entry";

    combo.setCurrentIndex(2);
    EXPECT_EQ(combo.text(), "EE");
    combo.setText("Math");
    combo.removeItem(2);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.text(), "Math");
    combo.addItem("Art");
    EXPECT_EQ(combo.text(), "Math");
    combo.clear();
    EXPECT_EQ(combo.text(), "Math");
    combo.addItem("Art");
    combo.setCurrentIndex(0);
    combo.clear();
    EXPECT_EQ(combo.text(), "Art");
    EXPECT_EQ(clicks, 1);
}

TEST_F(Forms, TimersTickOnDrivenTimeAndRestartWhenSet)
{
    EXPECT_TRUE(sample.ticker.enabled());
    time.advance(100'000);
    EXPECT_EQ(sample.ticks, 0);  // interval 0 never fires

    sample.ticker.setInterval(5000);
    time.advance(3000);
    sample.ticker.setInterval(5000);  // a new countdown
    time.advance(4999);
    EXPECT_EQ(sample.ticks, 0);
    time.advance(1);
    EXPECT_EQ(sample.ticks, 1);
    time.advance(10'000);
    EXPECT_EQ(sample.ticks, 3);
    sample.ticker.setEnabled(false);
    time.advance(10'000);
    EXPECT_EQ(sample.ticks, 3);
}

// Within one advance the countdowns fire in time order, whichever timer came first.
TEST_F(Forms, TimersDueInOneAdvanceTickInTimeOrder)
{
    std::string order;
    runtime::Timer slow;
    runtime::Timer fast;
    slow.Tick.bind([&order] { order += 'S'; });
    fast.Tick.bind([&order] { order += 'f'; });
    slow.setInterval(700);
    fast.setInterval(300);
    time.advance(1000);
    EXPECT_EQ(order, "ffSf");
    time.advance(400);
    EXPECT_EQ(order, "ffSffS");
}

TEST_F(Forms, ShowLoadsOnceHideKeepsAndTheCloseBoxUnloads)
{
    EXPECT_EQ(sample.loads, 1);
    sample.first.setText("kept");
    sample.hide();
    sample.show();
    EXPECT_EQ(sample.loads, 1);
    EXPECT_EQ(sample.first.text(), "kept");

    sample.ticker.setInterval(1000);
    sample.window()->close();
    EXPECT_TRUE(sample.isUnloaded());
    EXPECT_EQ(sample.terminations, 1);
    time.advance(5000);
    EXPECT_EQ(sample.ticks, 0);  // an unloaded window's timers are stopped
}

TEST(SingleInstances, AreCreatedOnceAndAfreshAfterTheCloseBox)
{
    runtime::SingleInstance<Sample> window;
    EXPECT_EQ(window.existing(), nullptr);
    window->show();
    window->first.setText("typed");
    window->hide();
    window->show();
    EXPECT_EQ(window->first.text(), "typed");
    EXPECT_EQ(window->loads, 1);

    window->window()->close();
    EXPECT_EQ(window.existing(), nullptr);
    window->show();
    EXPECT_EQ(window->first.text(), "");
    EXPECT_EQ(window->loads, 1);
}

TEST_F(Forms, ARuntimeErrorStopsTheHandlerAndIsShown)
{
    bool after = false;
    sample.onButton = [&] {
        throw runtime::RuntimeError(runtime::RuntimeError::Overflow, "Overflow");
        after = true;
    };
    sample.button.press();
    EXPECT_FALSE(after);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(messages.shown()[0].style.icon, runtime::Icon::Critical);
    EXPECT_EQ(messages.shown()[0].title, runtime::Program::title());
}

// No exception passes the event boundary: memory running out, or a standard container
// used out of its range, stops the handler with a message and the window lives on.
TEST_F(Forms, AStandardExceptionStopsTheHandlerAndIsShown)
{
    sample.onButton = [] { throw std::bad_alloc(); };
    sample.button.press();
    sample.onButton = [] { (void)std::vector<int>().at(3); };
    sample.button.press();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "Run-time error '7':\n\nOut of memory");
    EXPECT_TRUE(messages.shown()[1].text.startsWith("Run-time error '51':\n\nInternal error: "))
        << messages.shown()[1].text.toStdString();
    EXPECT_TRUE(sample.isVisible());
}

TEST_F(Forms, NoHandlerRunsOnceTheProgramHasEnded)
{
    runtime::testing::CaughtProgramEnd programEnd;
    int presses = 0;
    sample.onKey = [](std::int16_t&) { runtime::end(); };
    sample.onButton = [&] {
        ++presses;
        QTest::keyClick(sample.first.widget(), 'a');
    };
    sample.button.press();
    EXPECT_TRUE(programEnd.ended());
    sample.button.press();
    QTest::keyClick(sample.first.widget(), 'b');
    EXPECT_EQ(presses, 1);
}

TEST(MessageBoxes, StyleValuesAndDefaultAnswers)
{
    using namespace runtime;
    EXPECT_EQ((MsgBoxStyle{Buttons::YesNo, Icon::Exclamation, DefaultButton::Second}.value()), 308);
    EXPECT_EQ((MsgBoxStyle{Buttons::YesNoCancel, Icon::Question, DefaultButton::Third}.value()), 3 + 32 + 512);
    runtime::testing::ScriptedMessages messages;
    EXPECT_EQ(msgBox("a"), Ok);
    EXPECT_EQ(msgBox("b", {Buttons::YesNo, Icon::None, DefaultButton::Second}), No);
    EXPECT_EQ(msgBox("c", {Buttons::YesNoCancel, Icon::None, DefaultButton::Third}), Cancel);
    messages.answerNext(Retry);
    EXPECT_EQ(msgBox("d", {Buttons::RetryCancel}, "Own title"), Retry);
    EXPECT_EQ(messages.shown()[3].title, "Own title");
    EXPECT_EQ(messages.shown()[0].title, Program::title());
}

}  // namespace
