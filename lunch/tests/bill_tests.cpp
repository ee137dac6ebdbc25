#include "bill.h"
#include "pinnedlocale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

using namespace runtime;

namespace {

struct Dish {
    const char* itemText;
    std::int32_t cents;
};

// The three closing amounts of a bill in one locale: sub total, tip, total.
struct Amounts {
    const char* subTotal;
    const char* tip;
    const char* total;
};

struct BillCase {
    const char* name;
    std::vector<Dish> dishes;
    double tipRate;
    Amounts dollars;  // en_US
    Amounts euros;    // de_DE: decimal comma, a no-break space before the symbol
};

const Dish burger{"Radio Button Mushroom Burger - 2.35", 235};
const Dish boxedLunch{"Text Boxed Lunch - 8.95", 895};
const Dish sampler{"Combo Sampler - 6.75", 675};
const Dish pie{"Scroller Pie - 1.25", 125};
const Dish iceCream{"Dll-iciuos Ice Cream - 2.34", 234};
const Dish cake{"Active Xtra Chocolate Cake - 1.23", 123};
const Dish water{"Water - 0.01", 1};
const Dish sodaWater{"Soda Water - 0.95", 95};
const Dish coffee{"Coffee Extra Caffeine - 0.85", 85};

// The whole text a bill must read: its lines joined by CR LF, with nothing after the last.
Text expectedBill(const std::vector<Dish>& dishes, const Amounts& amounts)
{
    QStringList lines{""};
    for (const Dish& dish : dishes)
        lines << dish.itemText;
    lines << "---------------" << QString("Sub Total = ") + QString::fromUtf8(amounts.subTotal)
          << QString("Tip = ") + QString::fromUtf8(amounts.tip) << QString("Total = ") + QString::fromUtf8(amounts.total);
    return lines.join("\r\n");
}

Text billFor(const BillCase& row)
{
    Bill bill;
    for (const Dish& dish : row.dishes)
        bill.addDish(dish.itemText, dish.cents);
    bill.setTipRate(row.tipRate);
    return bill.text();
}

// Names the row in test output instead of dumping its bytes.
void PrintTo(const BillCase& row, std::ostream* out)
{
    *out << row.name;
}

class BillText : public ::testing::TestWithParam<BillCase> {};

TEST_P(BillText, ReadsLineByLineInDollars)
{
    PinnedLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(billFor(GetParam()), expectedBill(GetParam().dishes, GetParam().dollars));
}

TEST_P(BillText, ReadsLineByLineInEuros)
{
    PinnedLocale locale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(billFor(GetParam()), expectedBill(GetParam().dishes, GetParam().euros));
}

// Amounts go to the currency format unrounded: 2.468, 0.002, 0.012 and 1.0125 are
// rounded only when shown.
INSTANTIATE_TEST_SUITE_P(Bills, BillText, ::testing::Values(
    BillCase{"NothingMarkedNoTip", {}, 0,
             {"$0.00", "$0.00", "$0.00"}, {"0,00\u00a0€", "0,00\u00a0€", "0,00\u00a0€"}},
    BillCase{"NothingMarkedWithTip", {}, 0.2,
             {"$0.00", "$0.00", "$0.00"}, {"0,00\u00a0€", "0,00\u00a0€", "0,00\u00a0€"}},
    BillCase{"OneDinnerTwentyPercent", {burger}, 0.2,
             {"$2.35", "$0.47", "$2.82"}, {"2,35\u00a0€", "0,47\u00a0€", "2,82\u00a0€"}},
    BillCase{"DishesWithoutTip", {boxedLunch, sodaWater}, 0,
             {"$9.90", "$0.00", "$9.90"}, {"9,90\u00a0€", "0,00\u00a0€", "9,90\u00a0€"}},
    BillCase{"AllNineTenPercent", {burger, boxedLunch, sampler, pie, iceCream, cake, water, sodaWater, coffee}, 0.1,
             {"$24.68", "$2.47", "$27.15"}, {"24,68\u00a0€", "2,47\u00a0€", "27,15\u00a0€"}},
    BillCase{"WaterAloneTwentyPercent", {water}, 0.2,
             {"$0.01", "$0.00", "$0.01"}, {"0,01\u00a0€", "0,00\u00a0€", "0,01\u00a0€"}},
    BillCase{"SamplerFifteenPercent", {sampler}, 0.15,
             {"$6.75", "$1.01", "$7.76"}, {"6,75\u00a0€", "1,01\u00a0€", "7,76\u00a0€"}},
    BillCase{"SameDishTwice", {pie, pie}, 0,
             {"$2.50", "$0.00", "$2.50"}, {"2,50\u00a0€", "0,00\u00a0€", "2,50\u00a0€"}},
    BillCase{"ThousandsAreGrouped", {{"Banquet - 1234567.89", 123456789}}, 0,
             {"$1,234,567.89", "$0.00", "$1,234,567.89"}, {"1.234.567,89\u00a0€", "0,00\u00a0€", "1.234.567,89\u00a0€"}}),
    [](const ::testing::TestParamInfo<BillCase>& info) { return std::string(info.param.name); });

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

}  // namespace
