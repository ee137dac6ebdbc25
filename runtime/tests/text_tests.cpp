// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/collection.h"
#include "runtime/base/double.h"
#include "runtime/base/integers.h"
#include "runtime/base/text.h"
#include "runtime/files/encoding.h"
#include "runtime/testing/raised.h"

#include <QLocale>

#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

using runtime::Text;
using runtime::testing::raisedNumber;

namespace {

TEST(Split, KeepsEmptyPiecesAndGivesNoneForEmptyText)
{
    EXPECT_EQ(runtime::split("Smith  John", " "), (QStringList{"Smith", "", "John"}));
    EXPECT_EQ(runtime::split(" John", " "), (QStringList{"", "John"}));
    EXPECT_EQ(runtime::split("CS\r\n\r\nCIS\r\n", "\r\n"), (QStringList{"CS", "", "CIS", ""}));
    EXPECT_EQ(runtime::split("Smith", " "), QStringList{"Smith"});
    EXPECT_TRUE(runtime::split("", " ").isEmpty());
}

TEST(ProperCase, CapitalisesWordsSeparatedByWhiteSpaceAndNulOnly)
{
    const std::pair<Text, Text> rows[] = {
        {"SMITH", "Smith"},
        {"mary ann", "Mary Ann"},
        {"o'neil", "O'neil"},
        {"anne-marie", "Anne-marie"},
        {"a\tb\nc\vd\fe\rf", "A\tB\nC\vD\fE\rF"},
        {QString("x") + QChar(u'\0') + "y", QString("X") + QChar(u'\0') + "Y"},
        {"  two  spaces", "  Two  Spaces"},
        {"élan ÜBER", "Élan Über"},
        {"", ""},
    };
    for (const auto& [given, expected] : rows)
        EXPECT_EQ(runtime::properCase(given), expected) << given.toStdString();
}

TEST(CaseConversion, ConvertsWholeCharactersAndLeavesBytesKeptFromNonUtf8FilesAlone)
{
    const Text kept = runtime::decodeText("M\xFC" "LLER");
    EXPECT_EQ(runtime::encodeText(runtime::lowerCase(kept)), "m\xFC" "ller");
    EXPECT_EQ(runtime::encodeText(runtime::upperCase(kept)), "M\xFC" "LLER");
    EXPECT_EQ(runtime::encodeText(runtime::properCase(kept)), "M\xFC" "ller");
    EXPECT_EQ(runtime::upperCase(QString::fromUtf8("𐐨")), QString::fromUtf8("𐐀"));
}

TEST(Encoding, KeepsEveryByteThatIsNotUtf8)
{
    const QByteArray rows[] = {
        "plain ascii",
        "M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80",  // valid two, three and four byte sequences
        "latin-1 M\xFCller",
        "the highest bytes \xFE\xFF",
        "truncated \xE2\x82",
        "overlong \xC0\xAF",
        "encoded surrogate \xED\xA0\x80",
        "beyond unicode \xF4\x90\x80\x80",
        "stray continuation \x80\xBF",
        QByteArray("nul \0 inside", 12),
    };
    for (const QByteArray& bytes : rows)
        EXPECT_EQ(runtime::encodeText(runtime::decodeText(bytes)), bytes) << bytes.toStdString();
    EXPECT_EQ(runtime::decodeText("M\xC3\xBCller"), QString::fromUtf8("Müller"));
}

TEST(CheckedIntegers, RaiseOverflowAtTheirLimits)
{
    const int overflow = 6;
    runtime::Short counter = 32766;
    EXPECT_EQ(raisedNumber([&] { ++counter; }), 0);
    EXPECT_EQ(counter, 32767);
    EXPECT_EQ(raisedNumber([&] { ++counter; }), overflow);
    EXPECT_EQ(raisedNumber([] { runtime::Short(-32768); }), 0);
    EXPECT_EQ(raisedNumber([] { runtime::Short(-32769); }), overflow);
    EXPECT_EQ(raisedNumber([] { runtime::Short tooBig = 40000; (void)tooBig; }), overflow);
    runtime::Long sum = 2147483600;
    EXPECT_EQ(raisedNumber([&] { sum += 47; }), 0);
    EXPECT_EQ(raisedNumber([&] { sum += 1; }), overflow);
    EXPECT_EQ(sum, 2147483647);
}

// One operation of checked arithmetic: `left operation right`, and its result, or the
// number of the error it raises (0 for none).
template <typename Number>
struct ArithmeticRow {
    Number left;
    char operation;
    Number right;
    Number result;
    int error;
};

// `left operation right` as a program writes it, with operands of any kinds.
template <typename Left, typename Right>
auto calculate(Left left, char operation, Right right)
{
    if constexpr (requires { left % right; }) {
        if (operation == '%')
            return left % right;
    }
    switch (operation) {
    case '+': return left + right;
    case '-': return left - right;
    case '*': return left * right;
    default: return left / right;
    }
}

template <typename Number>
std::string shown(const ArithmeticRow<Number>& row)
{
    std::ostringstream text;
    text << row.left << ' ' << row.operation << ' ' << row.right;
    return text.str();
}

// Each row twice: with the checked integer on the left of a plain one, and on the right
// of it. Both stay checked integers of their kind.
template <typename Checked>
void expectIntegerRows(std::initializer_list<ArithmeticRow<long long>> rows)
{
    static_assert(std::is_same_v<decltype(calculate(Checked(), '*', 1LL)), Checked>);
    static_assert(std::is_same_v<decltype(calculate(1LL, '*', Checked())), Checked>);
    static_assert(std::is_same_v<decltype(calculate(Checked(), '*', Checked())), Checked>);
    using Stored = decltype(Checked().value());
    for (const ArithmeticRow<long long>& row : rows) {
        Checked result;
        EXPECT_EQ(raisedNumber([&] { result = calculate(Checked(row.left), row.operation, row.right); }), row.error)
            << shown(row);
        if (row.error == 0) {
            EXPECT_EQ(result, row.result) << shown(row);
        }
        if (row.right < std::numeric_limits<Stored>::min() || row.right > std::numeric_limits<Stored>::max())
            continue;
        EXPECT_EQ(raisedNumber([&] { result = calculate(row.left, row.operation, Checked(row.right)); }), row.error)
            << shown(row) << " with a plain integer on the left";
        if (row.error == 0) {
            EXPECT_EQ(result, row.result) << shown(row) << " with a plain integer on the left";
        }
    }
}

TEST(CheckedIntegers, MultiplyAndDivideWithinTheirWidth)
{
    const long long huge = 1LL << 62;
    expectIntegerRows<runtime::Short>({
        {32767, '*', 1, 32767, 0},
        {32767, '*', 2, 0, 6},
        {-128, '*', 256, -32768, 0},
        {-32768, '*', -1, 0, 6},
        {4, '*', huge, 0, 6},
        {0, '*', huge, 0, 0},
        {-32768, '/', -1, 0, 6},
        {-32768, '%', -1, 0, 0},
        {7, '/', 0, 0, 11},
        {7, '%', 0, 0, 11},
        {0, '/', 0, 0, 11},
        {-7, '/', 2, -3, 0},
        {-7, '%', 2, -1, 0},
        {7, '/', -2, -3, 0},
        {7, '%', -2, 1, 0},
        {7, '/', huge, 0, 0},
        {32767, '+', 1, 0, 6},
        {-32768, '-', 1, 0, 6},
        {-32768, '+', 32767, -1, 0},
        {5, '-', 7, -2, 0},
    });
    expectIntegerRows<runtime::Long>({
        {2147483647, '*', 1, 2147483647, 0},
        {2147483647, '*', 2, 0, 6},
        {-65536, '*', 32768, -2147483648, 0},
        {65536, '*', 32768, 0, 6},
        {-2147483648, '*', -1, 0, 6},
        {4, '*', huge, 0, 6},
        {-2147483648, '/', -1, 0, 6},
        {-2147483648, '%', -1, 0, 0},
        {7, '/', 0, 0, 11},
        {7, '%', 0, 0, 11},
        {-7, '/', 2, -3, 0},
        {-7, '%', 2, -1, 0},
        {2147483647, '+', 1, 0, 6},
        {-2147483648, '-', huge, 0, 6},
    });

    runtime::Short product = 300;
    EXPECT_EQ(raisedNumber([&] { product *= 110; }), 6);
    EXPECT_EQ(raisedNumber([&] { product /= 0; }), 11);
    EXPECT_EQ(product, 300) << "an operation that raises leaves the value";
    EXPECT_EQ(raisedNumber([] { return 40000 * runtime::Short(0); }), 6) << "a plain integer out of range";
    try {
        product %= 0;
        ADD_FAILURE() << "no error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.text(), "Division by zero");
    }
}

TEST(CheckedDoubles, RaiseOnResultsADoubleWouldMakeInfiniteOrNaN)
{
    const double most = std::numeric_limits<double>::max();
    const double least = std::numeric_limits<double>::min();
    const ArithmeticRow<double> rows[] = {
        {7, '/', 2, 3.5, 0},
        {-7, '*', 0.5, -3.5, 0},
        {0.1, '+', 0.2, 0.1 + 0.2, 0},
        {most, '-', most, 0, 0},
        {0, '*', most, 0, 0},
        {least, '*', least, 0, 0},
        {least, '/', 4, least / 4, 0},
        {1, '/', 0, 0, 11},
        {-1, '/', -0.0, 0, 11},
        {0, '/', 0, 0, 5},
        {most, '*', 2, 0, 6},
        {-most, '*', 2, 0, 6},
        {most, '+', most, 0, 6},
        {-most, '-', most, 0, 6},
        {most, '/', 0.5, 0, 6},
    };
    for (const ArithmeticRow<double>& row : rows) {
        runtime::Double result;
        EXPECT_EQ(raisedNumber([&] { result = calculate(runtime::Double(row.left), row.operation, row.right); }), row.error)
            << shown(row);
        if (row.error == 0) {
            EXPECT_EQ(result.value(), row.result) << shown(row);
        }
    }

    const std::pair<double, int> made[] = {
        {most, 0},
        {-least / 2, 0},
        {std::numeric_limits<double>::infinity(), 6},
        {-std::numeric_limits<double>::infinity(), 6},
        {std::numeric_limits<double>::quiet_NaN(), 5},
    };
    for (const auto& [value, error] : made)
        EXPECT_EQ(raisedNumber([value] { runtime::Double{value}; }), error) << value;

    runtime::Double kept = most;
    EXPECT_EQ(raisedNumber([&] { kept *= 2; }), 6);
    EXPECT_EQ(raisedNumber([&] { kept /= 0; }), 11);
    EXPECT_EQ(kept.value(), most) << "an operation that raises leaves the value";
}

TEST(Collection, NumbersFromOneAndRefusesPositionsOutside)
{
    runtime::Collection<int> numbers;
    numbers.add(std::make_shared<int>(10));
    numbers.add(std::make_shared<int>(20));
    numbers.add(std::make_shared<int>(30));
    numbers.remove(2);
    EXPECT_EQ(numbers.count(), 2);
    EXPECT_EQ(*numbers.item(2), 30);
    EXPECT_THROW(numbers.item(0), runtime::RuntimeError);
    EXPECT_THROW(numbers.item(3), runtime::RuntimeError);
}

TEST(Currency, FollowsTheDefaultLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(runtime::formatCurrency(2.82), "$2.82");
    EXPECT_EQ(runtime::formatCurrency(0.012), "$0.01");
    EXPECT_EQ(runtime::formatCurrency(0), "$0.00");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(runtime::formatCurrency(27.148), QString::fromUtf8("27,15\u00A0€"));
    QLocale::setDefault(before);
}

}  // namespace
