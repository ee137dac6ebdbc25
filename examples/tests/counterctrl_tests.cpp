// SPDX-License-Identifier: LGPL-2.1-or-later
#include "counterctrl.h"

#include "runtime/base/error.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A counter whose every `changed` is written down.
struct Counter {
    counterctrl control;
    std::vector<std::int32_t> changes;

    Counter()
    {
        control.changed.bind([this](std::int32_t value) { changes.push_back(value); });
    }
};

TEST(CounterControl, ShowsEachNewValueAndReportsItOnce)
{
    Counter counter;
    EXPECT_EQ(counter.control.shown.caption(), "0");

    counter.control.add(3);
    counter.control.add(-5);
    counter.control.setValue(-2);  // the same number: nothing to report
    counter.control.setValue(40);

    EXPECT_EQ(counter.control.value(), 40);
    EXPECT_EQ(counter.control.shown.caption(), "40");
    EXPECT_EQ(counter.changes, (std::vector<std::int32_t>{3, -2, 40}));
}

TEST(CounterControl, ThePlusButtonAddsOne)
{
    Counter counter;
    QTest::mouseClick(counter.control.up.widget(), Qt::LeftButton);
    QTest::mouseClick(counter.control.up.widget(), Qt::LeftButton);

    EXPECT_EQ(counter.control.shown.caption(), "2");
    EXPECT_EQ(counter.changes, (std::vector<std::int32_t>{1, 2}));
}

TEST(CounterControl, AnOverflowLeavesTheNumberAsItWas)
{
    for (std::int32_t start : {2147483647, -2147483647 - 1}) {
        Counter counter;
        counter.control.setValue(start);
        counter.changes.clear();

        try {
            counter.control.add(start > 0 ? 1 : -1);
            ADD_FAILURE() << "no overflow from " << start;
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), runtime::RuntimeError::Overflow);
        }
        EXPECT_EQ(counter.control.value(), start);
        EXPECT_EQ(counter.control.shown.caption(), QString::number(start));
        EXPECT_TRUE(counter.changes.empty());
    }
}

}  // namespace
