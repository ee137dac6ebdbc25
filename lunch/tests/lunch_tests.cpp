// SPDX-License-Identifier: LGPL-2.1-or-later
#include "bill.h"
#include "form1.h"

#include "runtime/testing/listclicks.h"
#include "runtime/testing/testing.h"

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <ostream>
#include <utility>
#include <vector>

using namespace runtime;

namespace {

// Money is formatted in the default locale: pin it so every machine prints the same.
class PinnedLocale {
public:
    explicit PinnedLocale(bool inEuros)
    {
        QLocale::setDefault(inEuros ? QLocale(QLocale::German, QLocale::Germany)
                                    : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~PinnedLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

using Amounts = std::array<QString, 3>;  // sub total, tip, total, as "1,234.56"

// An amount as shown in dollars, or in euros: separators swapped, a no-break space and
// the symbol after.
QString shown(QString amount, bool inEuros)
{
    if (!inEuros)
        return "$" + amount;
    for (QChar& c : amount)
        c = c == '.' ? QChar(',') : c == ',' ? QChar('.') : c;
    return amount + QString::fromUtf8("\u00a0€");
}

// The whole bill: its lines joined by CR LF, nothing after the last.
Text billOf(const QStringList& dishes, const Amounts& amounts, bool inEuros)
{
    QStringList lines = QStringList{""} + dishes + QStringList{"---------------"};
    const char* labels[] = {"Sub Total = ", "Tip = ", "Total = "};
    for (std::size_t index = 0; index < amounts.size(); ++index)
        lines << labels[index] + shown(amounts[index], inEuros);
    return lines.join("\r\n");
}

// The window's text box shows a no-break space as a plain one, so the locales are told
// apart here, on the bill itself.
TEST(Bill, ReadsInTheCurrencyOfTheLocaleThousandsGrouped)
{
    Bill bill;
    bill.addDish("Banquet - 1234567.89", 123456789);
    bill.setTipRate(0.15);
    for (const bool inEuros : {false, true}) {
        PinnedLocale pinned(inEuros);
        EXPECT_EQ(bill.text(), billOf({"Banquet - 1234567.89"}, {"1,234,567.89", "185,185.18", "1,419,753.07"}, inEuros));
    }
}

TEST(Bill, SumBeyondThirtyTwoBitsRaisesOverflow)
{
    Bill bill;
    bill.addDish("Everything - 21474836.47", std::numeric_limits<std::int32_t>::max());
    try {
        bill.addDish("Water - 0.01", 1);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::Overflow);
    }
}

class LunchWindow : public ::testing::Test {
protected:
    LunchWindow() { window.show(); }

    // A click on the entry as the user makes it; every click marks or unmarks one.
    void clickEntry(int list, int index)
    {
        runtime::testing::clickEntry(*lists[list], index);
    }

    // On the round mark, where the button surely takes the click.
    void clickTip(int index)
    {
        QWidget* button = window.tips[index].widget();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    Text pressTotal()
    {
        QTest::mouseClick(window.total.widget(), Qt::LeftButton);
        return window.bill.text();
    }

    PinnedLocale inDollars{false};
    runtime::testing::ScriptedMessages messages;
    runtime::testing::CaughtProgramEnd programEnd;
    Form1 window;
    const std::array<ListBox*, 3> lists{&window.dinner, &window.dessert, &window.drinks};
};

struct OrderCase {
    const char* name;
    std::vector<std::pair<int, int>> clicks;  // list (dinner, dessert, drinks), entry
    int tip;                                  // index into tips; -1 for none
    QStringList dishes;
    Amounts amounts;
};

void PrintTo(const OrderCase& row, std::ostream* out) { *out << row.name; }

class LunchOrder : public LunchWindow, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(LunchOrder, TotalBillListsTheMarkedDishesInListOrder)
{
    for (const auto& [list, index] : GetParam().clicks)
        clickEntry(list, index);
    if (GetParam().tip >= 0)
        clickTip(GetParam().tip);
    EXPECT_EQ(pressTotal(), billOf(GetParam().dishes, GetParam().amounts, false));
}

const QStringList burgerAndPie{"Radio Button Mushroom Burger - 2.35", "Scroller Pie - 1.25"};

// The rate belongs to the index of the tip button, not to its caption. Amounts reach the
// currency format unrounded: 0.012 and 1.0125 are rounded only when shown.
INSTANTIATE_TEST_SUITE_P(Orders, LunchOrder, ::testing::Values(
    OrderCase{"NothingMarked", {}, 0, {}, {"0.00", "0.00", "0.00"}},
    OrderCase{"TipIndex0IsTwentyPercent", {{0, 0}, {1, 0}}, 0, burgerAndPie, {"3.60", "0.72", "4.32"}},
    OrderCase{"TipIndex1IsFifteenPercent", {{0, 0}, {1, 0}}, 1, burgerAndPie, {"3.60", "0.54", "4.14"}},
    OrderCase{"TipIndex2IsTenPercent", {{0, 0}, {1, 0}}, 2, burgerAndPie, {"3.60", "0.36", "3.96"}},
    OrderCase{"WaterAloneTwentyPercent", {{2, 0}}, 0, {"Water - 0.01"}, {"0.01", "0.00", "0.01"}},
    OrderCase{"SamplerFifteenPercent", {{0, 2}}, 1, {"Combo Sampler - 6.75"}, {"6.75", "1.01", "7.76"}},
    OrderCase{"ListOrderWhateverTheOrderOfMarking", {{2, 2}, {1, 1}, {0, 2}, {2, 0}, {0, 0}}, -1,
              {"Radio Button Mushroom Burger - 2.35", "Combo Sampler - 6.75", "Dll-iciuos Ice Cream - 2.34",
               "Water - 0.01", "Coffee Extra Caffeine - 0.85"}, {"12.30", "0.00", "12.30"}},
    OrderCase{"ASecondClickUnmarks", {{1, 0}, {1, 2}, {1, 0}}, -1,
              {"Active Xtra Chocolate Cake - 1.23"}, {"1.23", "0.00", "1.23"}},
    // Every text and price of the menu, each in its place.
    OrderCase{"AllNineTenPercent", {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}, 2,
              {"Radio Button Mushroom Burger - 2.35", "Text Boxed Lunch - 8.95", "Combo Sampler - 6.75",
               "Scroller Pie - 1.25", "Dll-iciuos Ice Cream - 2.34", "Active Xtra Chocolate Cake - 1.23",
               "Water - 0.01", "Soda Water - 0.95", "Coffee Extra Caffeine - 0.85"}, {"24.68", "2.47", "27.15"}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

TEST_F(LunchWindow, EveryTotalIsAFreshBillAndTheTipWaitsForIt)
{
    clickEntry(1, 1);
    clickTip(1);
    const Text fifteenPercent = billOf({"Dll-iciuos Ice Cream - 2.34"}, {"2.34", "0.35", "2.69"}, false);
    EXPECT_EQ(pressTotal(), fifteenPercent);
    EXPECT_EQ(pressTotal(), fifteenPercent);

    window.bill.setFocus();
    QTest::keyClicks(window.bill.widget(), "typed by the user");
    const Text typed = window.bill.text();
    clickTip(0);
    EXPECT_EQ(window.bill.text(), typed);
    EXPECT_EQ(pressTotal(), billOf({"Dll-iciuos Ice Cream - 2.34"}, {"2.34", "0.47", "2.81"}, false));
}

TEST_F(LunchWindow, ExitEndsAtOnceWithoutAQuestion)
{
    clickEntry(0, 0);
    QTest::mouseClick(window.Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
