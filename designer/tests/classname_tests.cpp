// SPDX-License-Identifier: LGPL-2.1-or-later
// The class names a form designer writes for class identifiers.
#include "classname.h"

#include <gtest/gtest.h>

#include <set>

TEST(DesignerClassName, IsTheIdentifierWithItsPointAsAnUnderscore)
{
    EXPECT_EQ(designerClassName("tesk.phonectrl").toStdString(), "tesk_phonectrl");
    EXPECT_EQ(designerClassName("solvane.ulistctrl").toStdString(), "solvane_ulistctrl");
}

TEST(DesignerClassName, NamesWithUnderscoresAreWrittenSoThatNoTwoClassesMeet)
{
    EXPECT_EQ(designerClassName("my_lib.list").toStdString(), "my_1lib_0list");
    EXPECT_EQ(designerClassName("a.b_c").toStdString(), "a_0b_1c");
    const std::set<std::string> names = {
        designerClassName("a_b.c").toStdString(),  designerClassName("a.b_c").toStdString(),
        designerClassName("a_.b").toStdString(),   designerClassName("a._b").toStdString(),
        designerClassName("a.__b").toStdString(),  designerClassName("a__.b").toStdString(),
        designerClassName("a.b").toStdString(),    designerClassName("a_0.b").toStdString(),
    };
    EXPECT_EQ(names.size(), 8u);
}
