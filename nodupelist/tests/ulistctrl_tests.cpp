// SPDX-License-Identifier: LGPL-2.1-or-later
// The unique list control made directly, as its own library makes it.
#include "ulisttesting.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

QString utf16(const char16_t* text)
{
    return QString::fromUtf16(text);
}

}  // namespace

TEST(Ulistctrl, RefusesExactlyTheTextsItHoldsAlready)
{
    const QString nulB = QString::fromUtf8("a\0b", 3), high = QString(QChar(0xD83C)), low = QString(QChar(0xDF4E));
    const struct {
        const char* what;
        std::vector<QString> added;  // in order, through additem
        QStringList held;            // what the list shows afterwards, in order
    } rows[] = {
        {"a new instance", {}, {}},
        {"case counts", {"Apple", "apple"}, {"Apple", "apple"}},
        {"the same text twice", {"Apple", "Apple"}, {"Apple"}},
        {"blanks count", {"Apple", "Apple ", " Apple"}, {"Apple", "Apple ", " Apple"}},
        {"the empty text once, beside a blank", {"", " ", ""}, {"", " "}},
        {"order of first addition", {"b", "a", "b", "c", "a"}, {"b", "a", "c"}},
        {"no case folding beyond ASCII", {utf16(u"stra\u00dfe"), "STRASSE", "strasse"}, {utf16(u"stra\u00dfe"), "STRASSE", "strasse"}},
        {"no normalisation", {utf16(u"\u00e9"), utf16(u"e\u0301"), utf16(u"\u00e9")}, {utf16(u"\u00e9"), utf16(u"e\u0301")}},
        {"a character beyond 16 bits", {utf16(u"\U0001F34E"), utf16(u"\U0001F34E")}, {utf16(u"\U0001F34E")}},
        {"lone surrogates are code units", {high, low, high}, {high, low}},
        {"a NUL is part of the text", {nulB, "a", nulB, QString::fromUtf8("a\0c", 3)}, {nulB, "a", QString::fromUtf8("a\0c", 3)}},
        {"tabs and line ends are characters", {"a\tb", "a b", "a\r\n", "a\n", "a\tb"}, {"a\tb", "a b", "a\r\n", "a\n"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ulistctrl control;
        for (const QString& text : row.added) {
            QString argument = text;
            control.additem(argument);
            EXPECT_EQ(argument, text) << "additem leaves the caller's text as it was";
        }
        EXPECT_EQ(itemsOf(control), row.held);
        EXPECT_EQ(control.count(), QString::number(row.held.size()));
        EXPECT_EQ(control.selected(), "");
    }
}

TEST(Ulistctrl, AVeryLongTextIsKeptWholeAndRefusedWhole)
{
    ulistctrl control;
    const QString huge(1024 * 1024, u'x');
    for (QString text : {huge, huge, huge + "y", huge.left(huge.size() - 1)})
        control.additem(text);
    ASSERT_EQ(control.count(), "3");
    EXPECT_EQ(control.ulist.item(0), huge);
    EXPECT_EQ(control.ulist.item(1).size(), huge.size() + 1);
}

// Past what a 16-bit counter can walk, duplicates are still refused and the count goes on.
TEST(Ulistctrl, AListLongerThanA16BitCounterKeepsRefusingDuplicates)
{
    ulistctrl control;
    const auto add = [&](int index) {
        QString text = QStringLiteral("item %1").arg(index);
        control.additem(text);
    };
    for (int index = 0; index < 40000; ++index)
        add(index);
    for (int index : {0, 32767, 32768, 39999, 40000})
        add(index);
    EXPECT_EQ(control.count(), "40001");
    EXPECT_EQ(control.ulist.item(32768), "item 32768");
    EXPECT_EQ(control.ulist.item(40000), "item 40000");
}

TEST(Ulistctrl, ClickingAnItemOrMovingWithTheKeyboardSelectsItAndRaisesClicked)
{
    ulistctrl control;
    std::vector<QString> seen;  // what the host reads inside its handler
    control.clicked.bind([&] { seen.push_back(control.selected()); });
    for (QString text : {"Apple", "Banana", "Cherry"})
        control.additem(text);
    showAlone(control);

    for (int index : {1, 2, 0, 0})  // the selected one included
        clickItem(control, index);
    QTest::keyClick(control.ulist.widget(), Qt::Key_Down);
    EXPECT_EQ(seen, (std::vector<QString>{"Banana", "Cherry", "Apple", "Apple", "Banana"}));
    EXPECT_EQ(control.selected(), "Banana");
}

TEST(Ulistctrl, FromTheFirstResizeTheListCoversTheControl)
{
    ulistctrl control;
    EXPECT_EQ(control.ulist.width(), 1455) << "the design size until then";
    for (const auto& [width, height] : {std::pair{3000.0f, 2000.0f}, {15.0f, 15.0f}, {4321.5f, 987.25f}, {3000.0f, 2000.0f}}) {
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        control.setWidth(width);
        control.setHeight(height);
        EXPECT_EQ(control.ulist.width(), width);
        EXPECT_EQ(control.ulist.height(), height);
        EXPECT_EQ(control.ulist.left(), 0);
        EXPECT_EQ(control.ulist.top(), 0);
    }
    EXPECT_EQ(control.ulist.widget()->geometry(), QRect(0, 0, 200, 133)) << "15 twips to a pixel";
}
