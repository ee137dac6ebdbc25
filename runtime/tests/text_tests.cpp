#include "runtime/base/integers.h"
#include "runtime/base/text.h"

#include <gtest/gtest.h>

using namespace runtime;

TEST(Split, KeepsEmptyPiecesAndGivesNoneForEmptyText)
{
    EXPECT_EQ(split("Smith  John", " "), (QStringList{"Smith", "", "John"}));
    EXPECT_EQ(split(" John", " "), (QStringList{"", "John"}));
    EXPECT_EQ(split("Smith", " "), (QStringList{"Smith"}));
    EXPECT_TRUE(split("", " ").isEmpty());
}
