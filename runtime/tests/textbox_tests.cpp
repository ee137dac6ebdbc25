// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/form.h"
#include "runtime/forms/textbox.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using runtime::Text;
using runtime::TextBox;

namespace {

class Boxes : public runtime::Form {
public:
    Boxes()
    {
        design({"Boxes", 4800, 3600}, {
            {&line,  "", 120,  120, 3000, 300, 0},
            {&lines, "", 120,  600, 3000, 900, 1},
        });
        line.KeyPress.bind(this, &Boxes::line_KeyPress);
        lines.KeyPress.bind(this, &Boxes::lines_KeyPress);
    }

    TextBox line;
    TextBox lines{TextBox::Lines::Multi};
    std::vector<std::int16_t> codes;  // every KeyPress of either box, in order
    std::int16_t refused = -1;        // the code both boxes discard

private:
    void line_KeyPress(std::int16_t& KeyAscii) { seen(KeyAscii); }
    void lines_KeyPress(std::int16_t& KeyAscii) { seen(KeyAscii); }
    void seen(std::int16_t& KeyAscii)
    {
        codes.push_back(KeyAscii);
        if (KeyAscii == refused)
            KeyAscii = 0;
    }
};

class TextBoxes : public ::testing::Test {
protected:
    TextBoxes()
    {
        boxes.show();
        QApplication::setActiveWindow(boxes.window());
    }

    static void paste(TextBox& box, const QString& clipboardText)
    {
        QApplication::clipboard()->setText(clipboardText);
        box.setFocus();
        QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
    }

    static void commit(TextBox& box, const QString& committed)
    {
        QInputMethodEvent event;
        event.setCommitString(committed);
        QApplication::sendEvent(box.widget(), &event);
    }

    runtime::testing::ScriptedMessages messages;
    Boxes boxes;
};

TEST_F(TextBoxes, AMultiLineBoxReadsBackExactlyTheTextSet)
{
    for (const Text& set : {QStringLiteral("Sub Total\u00a0$1.00"), QStringLiteral("a\u2028b"), Text("a\nb"),
                            Text("a\rb"), Text("CS\r\nCIS\r\n"), QStringLiteral("a\u2029b"), Text("\t x ")}) {
        boxes.lines.setText(set);
        EXPECT_EQ(boxes.lines.text(), set) << set.toStdString();
    }
    boxes.lines.setText(QStringLiteral("a\u00a0b\nc"));
    boxes.lines.setSelStart(3);
    QTest::keyClick(boxes.lines.widget(), Qt::Key_Return);
    EXPECT_EQ(boxes.lines.text(), QStringLiteral("a\u00a0b\r\n\r\nc")) << "an edited box separates every line with CR LF";
}

TEST_F(TextBoxes, AMultiLineBoxShowsAVerticalScrollBarOnlyWhileItsTextIsTaller)
{
    QScrollBar* scrollBar = static_cast<QPlainTextEdit*>(boxes.lines.widget())->verticalScrollBar();
    boxes.lines.setText("Dinner\r\nDesserts");
    QApplication::processEvents();
    EXPECT_FALSE(scrollBar->isVisible());
    boxes.lines.setText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\nSub Total\r\nTip\r\nTotal");
    QApplication::processEvents();
    EXPECT_TRUE(scrollBar->isVisible());
}

// Every line break that reaches a one-line box becomes one space.
TEST_F(TextBoxes, AOneLineBoxTurnsLineBreaksIntoSpaces)
{
    paste(boxes.line, "Acme\r\nTech\nNorth\rSouth");
    EXPECT_EQ(boxes.line.text(), "Acme Tech North South");
    EXPECT_EQ(boxes.line.selStart(), 21);
    boxes.line.setText("a\r\nb");
    EXPECT_EQ(boxes.line.text(), "a b");
    commit(boxes.line, "c\nd");
    EXPECT_EQ(boxes.line.text(), "a bc d");

    paste(boxes.lines, "CS\nCIS");
    EXPECT_EQ(boxes.lines.text(), "CS\r\nCIS") << "a multi-line box keeps them as lines";
}

// An input method's commit is typed: each character passes KeyPress, which may refuse it.
TEST_F(TextBoxes, KeyPressSeesEveryCharacterAnInputMethodCommits)
{
    boxes.refused = 'x';
    commit(boxes.line, QStringLiteral("\u00e9xa"));
    EXPECT_EQ(boxes.line.text(), QStringLiteral("\u00e9a"));
    commit(boxes.lines, "yx");
    EXPECT_EQ(boxes.lines.text(), "y");
    EXPECT_EQ(boxes.codes, (std::vector<std::int16_t>{0xe9, 'x', 'a', 'y', 'x'}));
}

TEST_F(TextBoxes, CtrlBackspaceIsTheOneBackspaceKeyPressSees)
{
    for (TextBox* box : {&boxes.line, &boxes.lines}) {
        box->setText("312 447");
        box->setFocus();
        box->setSelStart(7);
        boxes.codes.clear();
        QTest::keyClick(box->widget(), Qt::Key_Backspace, Qt::ControlModifier);
        QTest::keyClick(box->widget(), Qt::Key_Backspace, Qt::AltModifier);
        EXPECT_EQ(box->text(), "312 4");
        EXPECT_EQ(boxes.codes, (std::vector<std::int16_t>{8, 8}));
    }
}

}  // namespace
