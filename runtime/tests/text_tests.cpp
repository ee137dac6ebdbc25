#include "runtime/base/collection.h"
#include "runtime/base/integers.h"
#include "runtime/base/text.h"
#include "runtime/files/encoding.h"
#include "runtime/testing/raised.h"

#include <QLocale>

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
