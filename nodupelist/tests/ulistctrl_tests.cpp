// The unique list control made directly, as its own library makes it, and used through
// its default interface.
#include "ulisttesting.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Addition {
    const char* what;
    std::vector<QString> added;  // in order, through additem
    QStringList held;            // what the list shows afterwards, in order
};

QString utf16(const char16_t* text)
{
    return QString::fromUtf16(text);
}

class UlistctrlTest : public ::testing::Test {
protected:
    void add(QString text) { control.additem(text); }

    ulistctrl control;
};

}  // namespace

TEST_F(UlistctrlTest, ANewInstanceIsEmptyWithNothingSelected)
{
    EXPECT_EQ(control.count(), "0");
    EXPECT_EQ(control.selected(), "");
    EXPECT_TRUE(control.selected().isEmpty());
    EXPECT_EQ(control.ulist.count(), 0);
}

TEST(Ulistctrl, RefusesExactlyTheTextsItHoldsAlready)
{
    const Addition rows[] = {
        {"case counts", {"Apple", "apple"}, {"Apple", "apple"}},
        {"the same text twice", {"Apple", "Apple"}, {"Apple"}},
        {"a trailing blank", {"Apple", "Apple "}, {"Apple", "Apple "}},
        {"a leading blank", {"Apple", " Apple"}, {"Apple", " Apple"}},
        {"the empty text once", {"", ""}, {""}},
        {"empty beside a blank", {"", " ", ""}, {"", " "}},
        {"order of first addition", {"b", "a", "b", "c", "a"}, {"b", "a", "c"}},
        {"a duplicate far back", {"one", "two", "three", "four", "one"}, {"one", "two", "three", "four"}},
        {"no case folding beyond ASCII", {utf16(u"stra\u00dfe"), "STRASSE", "strasse"}, {utf16(u"stra\u00dfe"), "STRASSE", "strasse"}},
        {"no normalisation", {utf16(u"\u00e9"), utf16(u"e\u0301"), utf16(u"\u00e9")}, {utf16(u"\u00e9"), utf16(u"e\u0301")}},
        {"a character beyond 16 bits", {utf16(u"\U0001F34E"), utf16(u"\U0001F34E")}, {utf16(u"\U0001F34E")}},
        {"lone surrogates are code units like any other", {QString(QChar(0xD83C)), QString(QChar(0xDF4E)), QString(QChar(0xD83C))},
         {QString(QChar(0xD83C)), QString(QChar(0xDF4E))}},
        {"a NUL is part of the text", {QString::fromUtf8("a\0b", 3), "a", QString::fromUtf8("a\0b", 3), QString::fromUtf8("a\0c", 3)},
         {QString::fromUtf8("a\0b", 3), "a", QString::fromUtf8("a\0c", 3)}},
        {"tabs and line ends are characters", {"a\tb", "a b", "a\r\n", "a\n", "a\tb"}, {"a\tb", "a b", "a\r\n", "a\n"}},
    };
    for (const Addition& row : rows) {
        SCOPED_TRACE(row.what);
        ulistctrl control;
        for (QString text : row.added)
            control.additem(text);
        EXPECT_EQ(itemsOf(control), row.held);
        EXPECT_EQ(control.count(), QString::number(row.held.size()));
    }
}

TEST_F(UlistctrlTest, AdditemLeavesTheCallersTextAsItWas)
{
    QString text = "Apple ";
    control.additem(text);
    EXPECT_EQ(text, "Apple ");
    control.additem(text);  // refused
    EXPECT_EQ(text, "Apple ");
    EXPECT_EQ(control.count(), "1");
}

TEST_F(UlistctrlTest, AVeryLongTextIsKeptWholeAndRefusedWhole)
{
    const QString huge(1024 * 1024, u'x');
    add(huge);
    add(huge);
    add(huge + "y");
    add(huge.left(huge.size() - 1));
    ASSERT_EQ(control.count(), "3");
    EXPECT_EQ(control.ulist.item(0), huge);
    EXPECT_EQ(control.ulist.item(1).size(), huge.size() + 1);
}

// A list longer than a 16-bit counter can walk still refuses duplicates, in order, and
// counts past 32,767 without an overflow.
TEST_F(UlistctrlTest, AListLongerThanA16BitCounterKeepsRefusingDuplicates)
{
    constexpr int items = 40000;
    for (int index = 0; index < items; ++index)
        add(QStringLiteral("item %1").arg(index));
    EXPECT_EQ(control.count(), "40000");
    for (int index : {0, 32767, 32768, items - 1})
        ASSERT_NO_THROW(add(QStringLiteral("item %1").arg(index)));
    add("item 40000");
    EXPECT_EQ(control.count(), "40001");
    EXPECT_EQ(control.ulist.item(32768), "item 32768");
    EXPECT_EQ(control.ulist.item(40000), "item 40000");
}

TEST_F(UlistctrlTest, ClickingAnItemSelectsItAndRaisesClickedEachTime)
{
    std::vector<QString> seen;  // what the host reads inside its handler
    control.clicked.bind([&] { seen.push_back(control.selected()); });
    for (QString text : {"Apple", "Banana", "Cherry"})
        control.additem(text);
    showAlone(control);

    clickItem(control, 1);
    EXPECT_EQ(control.selected(), "Banana");
    clickItem(control, 2);
    EXPECT_EQ(control.selected(), "Cherry");
    clickItem(control, 0);
    EXPECT_EQ(seen, (std::vector<QString>{"Banana", "Cherry", "Apple"}));

    // The keyboard moves the selection as the mouse does, and the list's click comes too.
    QTest::keyClick(control.ulist.widget(), Qt::Key_Down);
    EXPECT_EQ(control.selected(), "Banana");
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(UlistctrlTest, TheListKeepsItsDesignSizeUntilTheFirstResizeThenCoversTheControl)
{
    EXPECT_EQ(control.width(), 1470);
    EXPECT_EQ(control.height(), 450);
    EXPECT_EQ(control.ulist.left(), 0);
    EXPECT_EQ(control.ulist.top(), 0);
    EXPECT_EQ(control.ulist.width(), 1455);
    EXPECT_EQ(control.ulist.height(), 450);
    EXPECT_EQ(control.ulist.tabIndex(), 0);

    const struct {
        float width;
        float height;
    } extents[] = {{3000, 2000}, {1470, 450}, {15, 15}, {4321.5f, 987.25f}};
    for (const auto& extent : extents) {
        SCOPED_TRACE(::testing::Message() << extent.width << " x " << extent.height);
        control.setWidth(extent.width);
        control.setHeight(extent.height);
        EXPECT_EQ(control.ulist.width(), extent.width);
        EXPECT_EQ(control.ulist.height(), extent.height);
        EXPECT_EQ(control.ulist.left(), 0);
        EXPECT_EQ(control.ulist.top(), 0);
    }
    control.setWidth(3000);
    control.setHeight(2000);
    EXPECT_EQ(control.ulist.widget()->geometry(), QRect(0, 0, 200, 133)) << "15 twips to a pixel";
}
