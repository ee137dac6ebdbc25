// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"
#include "runtime/components/variant.h"

#include <gtest/gtest.h>

#include <optional>

using runtime::RuntimeError;
using runtime::ValueType;
using runtime::Variant;

namespace {

struct Conversion {
    Variant value;
    ValueType target;
    std::optional<Variant> expected;  // nullopt: raises
    int error = 0;
};

std::int16_t shortOf(int value)
{
    return static_cast<std::int16_t>(value);
}

}  // namespace

TEST(Variant, ConvertsNumbersWhereTheyFitAndNothingElse)
{
    const Conversion rows[] = {
        {Variant(shortOf(7)), ValueType::Long, Variant(7)},
        {Variant(40000), ValueType::Short, std::nullopt, 6},
        {Variant(-32768), ValueType::Short, Variant(shortOf(-32768))},
        {Variant(2.0), ValueType::Short, Variant(shortOf(2))},
        {Variant(2.5), ValueType::Long, std::nullopt, 6},
        {Variant(3), ValueType::Double, Variant(3.0)},
        {Variant(1e300), ValueType::Long, std::nullopt, 6},
        {Variant("12"), ValueType::Long, std::nullopt, 13},
        {Variant(12), ValueType::String, std::nullopt, 13},
        {Variant(true), ValueType::Long, std::nullopt, 13},
        {Variant(1), ValueType::Boolean, std::nullopt, 13},
        {Variant(), ValueType::String, std::nullopt, 13},
        {Variant("x"), ValueType::Empty, std::nullopt, 13},
        {Variant("x"), ValueType::String, Variant("x")},
    };
    for (const Conversion& row : rows) {
        SCOPED_TRACE(row.value.literal().toStdString() + " to " + runtime::typeName(row.target).toStdString());
        if (row.expected) {
            EXPECT_EQ(row.value.convertedTo(row.target), *row.expected);
        } else {
            try {
                row.value.convertedTo(row.target);
                ADD_FAILURE() << "converted";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.number(), row.error);
            }
        }
    }
}

TEST(Variant, EveryValueHasATextAndALiteralThatReadsBack)
{
    const struct {
        Variant value;
        const char* text;
        const char* literal;
    } rows[] = {
        {Variant(), "", "Empty"},
        {Variant(true), "True", "True"},
        {Variant(false), "False", "False"},
        {Variant(shortOf(-5)), "-5", "-5"},
        {Variant(123456), "123456", "123456"},
        {Variant(2.5), "2.5", "2.5"},
        {Variant(3.0), "3", "3.0"},
        {Variant(u"say \"hi\""), "say \"hi\"", "\"say \"\"hi\"\"\""},
        {Variant(""), "", "\"\""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value.toText(), QString::fromUtf8(row.text));
        EXPECT_EQ(row.value.literal(), QString::fromUtf8(row.literal));
    }
}

TEST(Variant, ALiteralTextIsAStringNotABoolean)
{
    EXPECT_EQ(Variant("yes").type(), ValueType::String);
    EXPECT_EQ(Variant(u"yes").type(), ValueType::String);
}
