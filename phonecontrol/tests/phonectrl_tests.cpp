#include "phonectrl.h"

#include "runtime/forms/program.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

using runtime::testing::ScriptedMessages;

namespace {

// The control on screen (off screen, that is), typed into as a user types: every key goes
// to the widget that has the focus at that moment.
class PhoneCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
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
            if (key == u'<')
                QTest::keyClick(focused, Qt::Key_Backspace);
            else if (key == u'\r')
                QTest::keyClick(focused, Qt::Key_Return);
            else
                QTest::keyClick(focused, key.toLatin1());
        }
    }

    QString focused() const { return focusedIn(control); }

    static QString focusedIn(const phonectrl& control)
    {
        const QWidget* widget = QApplication::focusWidget();
        for (const auto& [name, child] : control.children()) {
            if (child->widget() == widget)
                return name;
        }
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
    type("312");
    EXPECT_EQ(control.area.text(), "312");
    EXPECT_EQ(focused(), "exch");
    type("447");
    EXPECT_EQ(control.exch.text(), "447");
    EXPECT_EQ(focused(), "linenum");
    type("1234");
    EXPECT_EQ(control.linenum.text(), "1234");
    EXPECT_EQ(focused(), "done");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(control.stdformat(), "(312) 447-1234");
    EXPECT_EQ(control.trendformat(), "312.447.1234");
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
    EXPECT_EQ(control.counters().exchcount(), 1);
    type("12");
    EXPECT_EQ(focused(), "exch") << "three more digits are needed";
    type("3");
    EXPECT_EQ(control.exch.text(), "123");
    EXPECT_EQ(focused(), "linenum");
    EXPECT_EQ(control.area.text(), "312") << "the other boxes are untouched";
}

TEST_F(PhoneCtrlTest, TheExchange556IsAccepted)
{
    control.exch.setFocus();
    type("556");
    EXPECT_EQ(control.exch.text(), "556");
    EXPECT_EQ(focused(), "linenum");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PhoneCtrlTest, ARejectedKeyIsDiscardedWithItsMessageAndSelection)
{
    const struct {
        const char* box;
        const char* text;  // put into the box first, as a paste would: it counts nothing
        int caret;
        const char* keys;
        const char* left;
        int selectionStart;
        int selectionLength;
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
        fresh.widget()->show();
        QApplication::setActiveWindow(fresh.widget());
        auto& box = *static_cast<runtime::TextBox*>(fresh.child(row.box));
        box.setText(row.text);
        box.setFocus();
        box.setSelStart(row.caret);
        messages.forget();
        type(row.keys);
        EXPECT_EQ(messageTexts(), QStringList{"only numbers are allowed"});
        EXPECT_EQ(box.text(), row.left);
        EXPECT_EQ(box.selStart(), row.selectionStart);
        EXPECT_EQ(box.selLength(), row.selectionLength);
        EXPECT_EQ(focusedIn(fresh), row.box);
    }
}

TEST_F(PhoneCtrlTest, ItsMessagesHaveOnlyAnOkButtonAndTheProgramsTitle)
{
    type("x");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].style.value(), 0);
    EXPECT_EQ(messages.shown()[0].title, runtime::Program::title());
}

TEST_F(PhoneCtrlTest, ABackspaceLowersTheCounter)
{
    type("31<12");
    EXPECT_EQ(control.area.text(), "312");
    EXPECT_EQ(focused(), "exch") << "the focus moved on at the 2";

    control.linenum.setFocus();
    type("<");
    EXPECT_EQ(control.counters().linecount(), 0);
    type("9");
    EXPECT_EQ(control.counters().linecount(), 2) << "the digit after counts as the first";
}

TEST_F(PhoneCtrlTest, CountersFollowKeysNotTheText)
{
    type("312");
    QTest::mouseClick(control.area.widget(), Qt::LeftButton);
    EXPECT_EQ(focused(), "area");
    QTest::keyClick(control.area.widget(), Qt::Key_End);
    type("45");
    EXPECT_EQ(focused(), "area");
    type("6");
    EXPECT_EQ(control.area.text(), "312456");
    EXPECT_EQ(focused(), "exch");

    // The Delete key and moving the caret count nothing.
    control.linenum.setFocus();
    type("12");
    QTest::keyClick(control.linenum.widget(), Qt::Key_Home);
    QTest::keyClick(control.linenum.widget(), Qt::Key_Delete);
    EXPECT_EQ(control.linenum.text(), "2");
    EXPECT_EQ(control.counters().linecount(), 3);
    type("34");
    EXPECT_EQ(focused(), "done");
}

TEST_F(PhoneCtrlTest, DoneChecksTheBoxesInOrderAndRaisesClickedWhenAllHoldText)
{
    const struct {
        const char* area;
        const char* exch;
        const char* line;
        const char* message;  // nullptr: clicked is raised
        const char* focus;
    } rows[] = {
        {"", "447", "1234", "area code is required", "area"},
        {"", "", "", "area code is required", "area"},
        {"312", "", "1234", "exchange is required", "exch"},
        {"312", "447", "", "line number is required", "linenum"},
        {"1", "2", "3", nullptr, "done"},
        {" ", " ", " ", nullptr, "done"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.area) + "|" + row.exch + "|" + row.line);
        phonectrl fresh;
        fresh.widget()->show();
        QApplication::setActiveWindow(fresh.widget());
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

TEST_F(PhoneCtrlTest, EnterOrSpaceOnDonePressesIt)
{
    type("1234567890");
    ASSERT_EQ(focused(), "done");
    int clicks = 0;
    control.clicked.bind([&] { ++clicks; });
    QTest::keyClick(control.done.widget(), Qt::Key_Return);
    QTest::keyClick(control.done.widget(), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(control.stdformat(), "(123) 456-7890");
}

TEST_F(PhoneCtrlTest, EmptyBoxesGiveTheBareFormats)
{
    EXPECT_EQ(control.stdformat(), "() -");
    EXPECT_EQ(control.trendformat(), "..");
}

namespace {

struct Layout {
    float area, exch, linenum, done;              // widths
    float exchLeft, linenumLeft, doneLeft;
};

Layout layoutOf(const phonectrl& control)
{
    return {control.area.width(), control.exch.width(), control.linenum.width(), control.done.width(),
            control.exch.left(), control.linenum.left(), control.done.left()};
}

}  // namespace

TEST_F(PhoneCtrlTest, ResizeLaysTheBoxesOutInSinglePrecision)
{
    const struct {
        float width;
        float widthAfter;
        Layout expected;
    } rows[] = {
        {5000, 5000, {760, 760, 1055, 760, 1220, 2080, 3235}},
        {4000, 4000, {608, 608, 844, 608, 1068, 1776, 2720}},
        {3000, 4000, {608, 608, 844, 608, 1068, 1776, 2720}},
        {0, 4000, {608, 608, 844, 608, 1068, 1776, 2720}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        control.setWidth(row.width);
        EXPECT_EQ(control.width(), row.widthAfter);
        const Layout layout = layoutOf(control);
        const Layout& expected = row.expected;
        EXPECT_EQ(layout.area, expected.area);
        EXPECT_EQ(layout.exch, expected.exch);
        EXPECT_EQ(layout.linenum, expected.linenum);
        EXPECT_EQ(layout.done, expected.done);
        EXPECT_EQ(layout.exchLeft, expected.exchLeft);
        EXPECT_EQ(layout.linenumLeft, expected.linenumLeft);
        EXPECT_EQ(layout.doneLeft, expected.doneLeft);
        EXPECT_EQ(control.area.left(), 360);
    }
}

TEST_F(PhoneCtrlTest, AtTheTestWindowsWidthTheExchangeStartsLeftOfItsCaption)
{
    control.setWidth(4845);
    EXPECT_EQ(control.area.width(), 736.44f);
    EXPECT_EQ(control.exch.width(), 736.44f);
    EXPECT_EQ(control.linenum.width(), 1022.295f);
    EXPECT_EQ(control.done.width(), 736.44f);
    EXPECT_NEAR(control.exch.left(), 1196.44, 0.001);
    EXPECT_NEAR(control.linenum.left(), 2032.88, 0.001);
    EXPECT_NEAR(control.done.left(), 3155.175, 0.001);
    EXPECT_LT(control.exch.left(), control.Label2.left());
    // Tops, heights and the captions stay as designed.
    EXPECT_EQ(control.Label2.left(), 1320);
    EXPECT_EQ(control.Label3.left(), 2280);
    EXPECT_EQ(control.exch.top(), 480);
    EXPECT_EQ(control.done.height(), 735);
    EXPECT_EQ(control.height(), 945);
}

TEST_F(PhoneCtrlTest, ALayoutBeyondSinglePrecisionStopsWithTheOverflowError)
{
    control.setWidth(5000);
    control.setWidth(INFINITY);
    EXPECT_EQ(messageTexts(), QStringList{"Run-time error '6':\n\nOverflow"});
    EXPECT_EQ(control.area.width(), 760) << "what was laid out stays";
    EXPECT_EQ(control.exch.left(), 1220);
}
