// SPDX-License-Identifier: LGPL-2.1-or-later
// The index of the unique list control on its own: what it refuses, and taking back the
// text added last.
#include "heldtexts.h"

#include <gtest/gtest.h>

TEST(HeldTexts, RefusesOnlyATextItHolds)
{
    HeldTexts held;
    EXPECT_TRUE(held.insert("Apple"));
    EXPECT_TRUE(held.insert("apple"));
    EXPECT_TRUE(held.insert(""));
    EXPECT_FALSE(held.insert("Apple"));
    EXPECT_FALSE(held.insert(QString()));
    EXPECT_FALSE(held.insert(QStringLiteral("Apple")));
}

TEST(HeldTexts, ATextTakenBackIsAddedAgainAndTheOthersStay)
{
    HeldTexts held;
    for (const char* text : {"one", "two", "three"})
        ASSERT_TRUE(held.insert(text));
    held.removeLast();
    EXPECT_TRUE(held.insert("three"));
    EXPECT_FALSE(held.insert("three"));
    EXPECT_FALSE(held.insert("two"));
    EXPECT_FALSE(held.insert("one"));
}

// 5,000 texts take the table through several doublings, each of which places every
// text anew; a text taken back after the last one is gone from its new place.
TEST(HeldTexts, EveryTextIsStillFoundAfterTheTableGrows)
{
    HeldTexts held;
    for (int number = 0; number < 5000; ++number)
        ASSERT_TRUE(held.insert(QStringLiteral("text %1").arg(number)));
    held.removeLast();
    int refused = 0;
    for (int number = 0; number < 5000; ++number)
        refused += held.insert(QStringLiteral("text %1").arg(number)) ? 0 : 1;
    EXPECT_EQ(refused, 4999);
    EXPECT_FALSE(held.insert("text 4999"));
}
