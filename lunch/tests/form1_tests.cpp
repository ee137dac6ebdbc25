#include "form1.h"
#include "pinnedlocale.h"

#include "runtime/testing/testing.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace runtime;

namespace {

class LunchWindow : public ::testing::Test {
protected:
    LunchWindow() { window.show(); }

    // A click on the entry as the user makes it; every click marks or unmarks one.
    static void clickEntry(ListBox& list, int index)
    {
        auto* widget = static_cast<QListWidget*>(list.widget());
        widget->scrollToItem(widget->item(index));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(index)).center());
    }

    // A click on the round mark of an option button, where the button surely takes it.
    static void clickOption(OptionButton& button)
    {
        QTest::mouseClick(button.widget(), Qt::LeftButton, {}, QPoint(6, button.widget()->height() / 2));
    }

    Text pressTotal()
    {
        QTest::mouseClick(window.total.widget(), Qt::LeftButton);
        return window.bill.text();
    }

    static Text billOf(const QStringList& dishes, const char* subTotal, const char* tip, const char* total)
    {
        return (QStringList{""} + dishes
                + QStringList{"---------------", QString("Sub Total = ") + subTotal, QString("Tip = ") + tip,
                              QString("Total = ") + total})
            .join("\r\n");
    }

    PinnedLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    runtime::testing::ScriptedMessages messages;
    runtime::testing::CaughtProgramEnd programEnd;
    Form1 window;
};

TEST_F(LunchWindow, LoadsTheMenuWithPricesInCents)
{
    const struct {
        ListBox& list;
        QStringList texts;
        std::vector<std::int32_t> cents;
    } lists[] = {
        {window.dinner, {"Radio Button Mushroom Burger - 2.35", "Text Boxed Lunch - 8.95", "Combo Sampler - 6.75"},
         {235, 895, 675}},
        {window.dessert, {"Scroller Pie - 1.25", "Dll-iciuos Ice Cream - 2.34", "Active Xtra Chocolate Cake - 1.23"},
         {125, 234, 123}},
        {window.drinks, {"Water - 0.01", "Soda Water - 0.95", "Coffee Extra Caffeine - 0.85"}, {1, 95, 85}},
    };
    for (const auto& expected : lists) {
        ASSERT_EQ(expected.list.count(), 3);
        for (int index = 0; index < 3; ++index) {
            EXPECT_EQ(expected.list.item(index), expected.texts[index]);
            EXPECT_EQ(expected.list.itemNumber(index), expected.cents[index]);
            EXPECT_FALSE(expected.list.isSelected(index));
        }
    }
    for (const OptionButton& tip : window.tips)
        EXPECT_FALSE(tip.value());
    EXPECT_EQ(window.bill.text(), "");
}

TEST_F(LunchWindow, NothingMarkedGivesAZeroBill)
{
    EXPECT_EQ(pressTotal(), billOf({}, "$0.00", "$0.00", "$0.00"));
}

TEST_F(LunchWindow, EachTipButtonAddsTheRateOfItsIndex)
{
    const struct {
        int index;
        const char* tip;
        const char* total;
    } rows[] = {{0, "$0.72", "$4.32"}, {1, "$0.54", "$4.14"}, {2, "$0.36", "$3.96"}};
    clickEntry(window.dinner, 0);
    clickEntry(window.dessert, 0);
    for (const auto& row : rows) {
        clickOption(window.tips[row.index]);
        EXPECT_EQ(pressTotal(), billOf({"Radio Button Mushroom Burger - 2.35", "Scroller Pie - 1.25"}, "$3.60", row.tip,
                                       row.total))
            << "tips index " << row.index;
    }
}

TEST_F(LunchWindow, ListsMarkedDishesInListOrderWhateverTheOrderOfMarking)
{
    clickEntry(window.drinks, 2);
    clickEntry(window.dessert, 1);
    clickEntry(window.dinner, 2);
    clickEntry(window.drinks, 0);
    clickEntry(window.dinner, 0);
    EXPECT_EQ(pressTotal(), billOf({"Radio Button Mushroom Burger - 2.35", "Combo Sampler - 6.75",
                                    "Dll-iciuos Ice Cream - 2.34", "Water - 0.01", "Coffee Extra Caffeine - 0.85"},
                                   "$12.30", "$0.00", "$12.30"));
}

TEST_F(LunchWindow, AllNineWithTenPercent)
{
    for (ListBox* list : {&window.dinner, &window.dessert, &window.drinks}) {
        for (int index = 0; index < 3; ++index)
            clickEntry(*list, index);
    }
    clickOption(window.tips[2]);
    EXPECT_EQ(pressTotal(),
              billOf({"Radio Button Mushroom Burger - 2.35", "Text Boxed Lunch - 8.95", "Combo Sampler - 6.75",
                      "Scroller Pie - 1.25", "Dll-iciuos Ice Cream - 2.34", "Active Xtra Chocolate Cake - 1.23",
                      "Water - 0.01", "Soda Water - 0.95", "Coffee Extra Caffeine - 0.85"},
                     "$24.68", "$2.47", "$27.15"));
}

TEST_F(LunchWindow, ASecondClickUnmarksTheDish)
{
    clickEntry(window.dessert, 0);
    clickEntry(window.dessert, 2);
    clickEntry(window.dessert, 0);
    EXPECT_EQ(pressTotal(), billOf({"Active Xtra Chocolate Cake - 1.23"}, "$1.23", "$0.00", "$1.23"));
}

TEST_F(LunchWindow, EveryTotalIsAFreshBill)
{
    clickEntry(window.drinks, 1);
    clickOption(window.tips[0]);
    const Text first = pressTotal();
    EXPECT_EQ(first, billOf({"Soda Water - 0.95"}, "$0.95", "$0.19", "$1.14"));
    EXPECT_EQ(pressTotal(), first);

    window.bill.setFocus();
    QTest::keyClicks(window.bill.widget(), "typed by the user");
    EXPECT_EQ(pressTotal(), first);
}

TEST_F(LunchWindow, ChangingTheTipWaitsForTheNextTotal)
{
    clickEntry(window.dinner, 1);
    clickOption(window.tips[1]);
    const Text fifteenPercent = billOf({"Text Boxed Lunch - 8.95"}, "$8.95", "$1.34", "$10.29");
    EXPECT_EQ(pressTotal(), fifteenPercent);
    clickOption(window.tips[0]);
    EXPECT_EQ(window.bill.text(), fifteenPercent);
    EXPECT_EQ(pressTotal(), billOf({"Text Boxed Lunch - 8.95"}, "$8.95", "$1.79", "$10.74"));
}

TEST_F(LunchWindow, ExitEndsAtOnceWithoutAQuestion)
{
    clickEntry(window.dinner, 0);
    QTest::mouseClick(window.Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
