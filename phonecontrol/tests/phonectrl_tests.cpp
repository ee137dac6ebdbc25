// SPDX-License-Identifier: LGPL-2.1-or-later
#include "phonectrl.h"

#include "runtime/forms/program.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using runtime::testing::ScriptedMessages;

namespace {

// The control on screen (off screen), typed into where the focus is, as a user types.
class PhoneCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { showAlone(control); }

    static void showAlone(phonectrl& control)
    {
        control.widget()->show();
        QApplication::setActiveWindow(control.widget());
        control.area.setFocus();
    }

    // '<' is backspace, '\r' Enter.
    static void type(const QString& keys)
    {
        for (const QChar key : keys) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            if (key == u'<' || key == u'\r')
                QTest::keyClick(focused, key == u'<' ? Qt::Key_Backspace : Qt::Key_Return);
            else
                QTest::keyClick(focused, key.toLatin1());
        }
    }

    QString focused() const { return focusedIn(control); }
    static QString focusedIn(const phonectrl& control)
    {
        for (const auto& [name, child] : control.children())
            if (child->widget() == QApplication::focusWidget())
                return name;
        return "(elsewhere)";
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& shown : messages.shown())
            texts.append(shown.text);
        return texts;
    }

    ScriptedMessages messages;
    phonectrl control;
};

}  // namespace

TEST_F(PhoneCtrlTest, TypingANumberMovesThroughTheBoxesByItself)
{
    for (const auto& [keys, box, next] : {std::tuple{"312", &control.area, "exch"},
                                          {"447", &control.exch, "linenum"}, {"1234", &control.linenum, "done"}}) {
        type(keys);
        EXPECT_EQ(box->text(), keys);
        EXPECT_EQ(focused(), next);
    }
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(control.stdformat(), "(312) 447-1234");
    EXPECT_EQ(control.trendformat(), "312.447.1234");

    int clicks = 0;  // Enter or Space on Done presses it
    control.clicked.bind([&] { ++clicks; });
    QTest::keyClick(control.done.widget(), Qt::Key_Return);
    QTest::keyClick(control.done.widget(), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST_F(PhoneCtrlTest, TheExchange555ShowsWhileItsMessageIsUpThenGoes)
{
    type("312");
    QString shownInBox;
    messages.whileShown = [&](const runtime::MessageBoxRequest&) { shownInBox = control.exch.text(); };
    type("555");
    EXPECT_EQ(messageTexts(), QStringList{"Exchange can not be 555"});
    EXPECT_EQ(shownInBox, "555");
    EXPECT_EQ(control.exch.text(), "");
    EXPECT_EQ(focused(), "exch");
    type("123");
    EXPECT_EQ(control.exch.text(), "123");
    EXPECT_EQ(focused(), "linenum");
    EXPECT_EQ(control.area.text(), "312") << "the other boxes are untouched";
}

TEST_F(PhoneCtrlTest, ARejectedKeyIsDiscardedWithItsMessageAndSelection)
{
    const struct {
        const char* box;
        const char* text;  // put into the box first, as a paste would: it counts nothing
        int caret;
        const char *keys, *left;
        int selectionStart, selectionLength;
    } rows[] = {
        {"area", "", 0, "31a", "31", 2, 0},  // the caret at 2, nothing there to select
        {"area", "", 0, "3\r", "3", 1, 0},
        {"area", "987", 0, "x", "987", 0, 1},
        {"linenum", "", 0, "12-", "12", 2, 0},
        {"linenum", "4444", 0, "1 ", "14444", 1, 1},
        {"exch", "4444", 1, "z", "4444", 1, 0},  // the exchange leaves its caret alone
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.box) + " " + row.keys);
        phonectrl fresh;
        showAlone(fresh);
        auto& box = *static_cast<runtime::TextBox*>(fresh.child(row.box));
        box.setText(row.text);
        box.setFocus();
        box.setSelStart(row.caret);
        messages.forget();
        type(row.keys);
        ASSERT_EQ(messageTexts(), QStringList{"only numbers are allowed"});
        EXPECT_EQ(messages.shown()[0].style.value(), 0) << "only an OK button";
        EXPECT_EQ(messages.shown()[0].title, runtime::Program::title());
        EXPECT_EQ(box.text(), row.left);
        EXPECT_EQ(box.selStart(), row.selectionStart);
        EXPECT_EQ(box.selLength(), row.selectionLength);
        EXPECT_EQ(focusedIn(fresh), row.box);
    }
}

// Backspace counts down; a click, the caret keys and Delete count nothing.
TEST_F(PhoneCtrlTest, CountersFollowKeysNotTheText)
{
    type("31<12");
    EXPECT_EQ(focused(), "exch") << "the focus moved on at the 2";
    QTest::mouseClick(control.area.widget(), Qt::LeftButton);
    EXPECT_EQ(focused(), "area");
    QTest::keyClick(control.area.widget(), Qt::Key_End);
    type("45");
    EXPECT_EQ(focused(), "area");
    type("6");
    EXPECT_EQ(control.area.text(), "312456");
    EXPECT_EQ(focused(), "exch");

    control.linenum.setFocus();
    type("12");
    QTest::keyClick(control.linenum.widget(), Qt::Key_Home);
    QTest::keyClick(control.linenum.widget(), Qt::Key_Delete);
    EXPECT_EQ(control.linenum.text(), "2");
    EXPECT_EQ(control.counters().linecount(), 3);
    type("34");
    EXPECT_EQ(focused(), "done");

    // Ctrl+Backspace is one Backspace: it takes one digit and one count, not the number.
    control.exch.setFocus();
    type("44");
    QTest::keyClick(control.exch.widget(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(control.exch.text(), "4");
    EXPECT_EQ(control.counters().exchcount(), 2);
}

// A compose sequence or an on-screen keyboard commits text: each character is a key.
TEST_F(PhoneCtrlTest, TextAnInputMethodCommitsPassesTheKeyRules)
{
    const auto commit = [](runtime::TextBox& box, const QString& committed) {
        QInputMethodEvent event;
        event.setCommitString(committed);
        QApplication::sendEvent(box.widget(), &event);
    };
    commit(control.area, "3a");
    EXPECT_EQ(messageTexts(), QStringList{"only numbers are allowed"});
    EXPECT_EQ(control.area.text(), "3");
    commit(control.area, "12");
    EXPECT_EQ(control.area.text(), "312");
    EXPECT_EQ(focused(), "exch");
    messages.forget();
    commit(control.exch, "555");
    EXPECT_EQ(messageTexts(), QStringList{"Exchange can not be 555"});
    EXPECT_EQ(control.exch.text(), "");
    EXPECT_EQ(control.counters().exchcount(), 1);
}

TEST_F(PhoneCtrlTest, BoxesAreNamedByTheirCaptionsForScreenReaders)
{
    using runtime::testing::accessibleName;
    EXPECT_EQ(accessibleName(control.area), "Area Code");
    EXPECT_EQ(accessibleName(control.exch), "Exchange");
    EXPECT_EQ(accessibleName(control.linenum), "Line");
    EXPECT_EQ(runtime::testing::tabCycle(control.widget()),
              (std::vector<QWidget*>{control.exch.widget(), control.linenum.widget(), control.done.widget(),
                                     control.area.widget()}));
}

TEST_F(PhoneCtrlTest, DoneChecksTheBoxesInOrderAndRaisesClickedWhenAllHoldText)
{
    const struct {
        const char *area, *exch, *line, *message /* nullptr: clicked is raised */, *focus;
    } rows[] = {
        {"", "447", "1234", "area code is required", "area"},
        {"", "", "", "area code is required", "area"},
        {"312", "", "1234", "exchange is required", "exch"},
        {"312", "", "", "exchange is required", "exch"},
        {"312", "447", "", "line number is required", "linenum"},
        {"1", "2", "3", nullptr, "done"},
        {" ", " ", " ", nullptr, "done"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.area) + "|" + row.exch + "|" + row.line);
        phonectrl fresh;
        showAlone(fresh);
        fresh.area.setText(row.area);
        fresh.exch.setText(row.exch);
        fresh.linenum.setText(row.line);
        QStringList formatsAtClick;
        fresh.clicked.bind([&] { formatsAtClick = {fresh.stdformat(), fresh.trendformat()}; });
        messages.forget();
        QTest::mouseClick(fresh.done.widget(), Qt::LeftButton);
        if (row.message) {
            EXPECT_EQ(messageTexts(), QStringList{row.message});
            EXPECT_TRUE(formatsAtClick.isEmpty());
        } else {
            EXPECT_TRUE(messageTexts().isEmpty());
            EXPECT_EQ(formatsAtClick, (QStringList{fresh.stdformat(), fresh.trendformat()}));
        }
        EXPECT_EQ(focusedIn(fresh), row.focus);
        EXPECT_EQ(fresh.counters().areacount(), 0) << "Done changes no counter";
    }
}

// Widths are products rounded once to single precision; each left edge follows the box
// before it. At the test window's 4845 twips `exch` starts left of its caption.
TEST_F(PhoneCtrlTest, ResizeLaysTheBoxesOutInSinglePrecision)
{
    const struct {
        float width, widthAfter;
        float area, exch, linenum, done, exchLeft, linenumLeft, doneLeft;
    } rows[] = {
        {5000, 5000, 760, 760, 1055, 760, 1220, 2080, 3235},
        {4845, 4845, 736.44f, 736.44f, 1022.295f, 736.44f, 1196.44f, 2032.88f, 3155.175f},
        {4000, 4000, 608, 608, 844, 608, 1068, 1776, 2720},
        {3000, 4000, 608, 608, 844, 608, 1068, 1776, 2720},
        {0, 4000, 608, 608, 844, 608, 1068, 1776, 2720},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        control.setWidth(row.width);
        EXPECT_EQ(control.width(), row.widthAfter);
        EXPECT_EQ(control.area.width(), row.area);
        EXPECT_EQ(control.exch.width(), row.exch);
        EXPECT_EQ(control.linenum.width(), row.linenum);
        EXPECT_EQ(control.done.width(), row.done);
        EXPECT_NEAR(control.exch.left(), row.exchLeft, 0.001);
        EXPECT_NEAR(control.linenum.left(), row.linenumLeft, 0.001);
        EXPECT_NEAR(control.done.left(), row.doneLeft, 0.001);
        EXPECT_EQ(control.area.left(), 360);
        EXPECT_EQ(control.Label2.left(), 1320) << "the captions keep their places";
    }
}

TEST_F(PhoneCtrlTest, ALayoutBeyondSinglePrecisionStopsWithTheOverflowError)
{
    control.setWidth(5000);
    control.setWidth(INFINITY);
    EXPECT_EQ(messageTexts(), QStringList{"Run-time error '6':\n\nOverflow"});
    EXPECT_EQ(control.area.width(), 760) << "what was laid out stays";
    EXPECT_EQ(control.exch.left(), 1220);
}
