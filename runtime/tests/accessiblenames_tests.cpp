// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/combobox.h"
#include "runtime/forms/form.h"
#include "runtime/forms/frame.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/textbox.h"
#include "runtime/testing/testing.h"

#include <gtest/gtest.h>

using runtime::testing::accessibleName;

namespace {

// Labels near and far, above and beside; the comments give each box's nearest label.
class Labelled : public runtime::Form {
public:
    Labelled()
    {
        design({"Labelled", 9000, 6000}, {
            {&nameLabel,   "Name",         120,  120, 1000, 255, 0},
            {&name,        "",             120,  480, 2000, 300, 1},    // 105 below "Name"
            {&cityLabel,   "City",         120, 1200,  800, 255, 2},
            {&city,        "",            1200, 1170, 2000, 300, 3},    // 280 right of "City"
            {&far,         "",             120, 2500, 2000, 300, 4},    // 1045 below "City"
            {&sideways,    "",            6000,  480, 2000, 900, 5},    // "Name" is not over it
            {&box,         "Box",         4000, 2400, 4000, 2000, 6},
            {&inBoxLabel,  "Choices",      120,  240, 1500, 255, 7, {.container = &box}},
            {&choices,     "",             120,  600, 1500,  900, 8, {.container = &box}},
            {&outside,     "Outside",     4000, 1900, 1500, 255, 9},
            {&beyondFrame, "",            4000, 4500, 1500,  300, 10},  // "Choices" is in the frame
            {&emptyLabel,  "",             120, 3600, 1000, 255, 11},
            {&kinds,       "",             120, 4000, 2000, 300, 12, {.accessibleName = "Kind of school"}},
            {&levelLabel,  "Level",        120, 5000, 1000, 255, 13},
            {&level,       "",            1200, 5000, 2000, 300, 14},
        });
    }

    runtime::Label nameLabel, cityLabel, inBoxLabel, outside, emptyLabel, levelLabel;
    runtime::TextBox name, far, beyondFrame, kinds;
    runtime::TextBox city{runtime::TextBox::Lines::Multi};
    runtime::Frame box;
    runtime::ListBox choices, sideways;
    runtime::ComboBox level;
};

TEST(AccessibleNames, ComeFromTheNearestLabelAboveOrLeftInTheSameContainer)
{
    Labelled window;
    EXPECT_EQ(accessibleName(window.name), "Name");
    EXPECT_EQ(accessibleName(window.city), "City");
    EXPECT_EQ(accessibleName(window.choices), "Choices");
    EXPECT_EQ(accessibleName(window.kinds), "Kind of school") << "a name in the design comes first";
    EXPECT_EQ(accessibleName(window.far), "");
    EXPECT_EQ(accessibleName(window.sideways), "");
    EXPECT_EQ(accessibleName(window.beyondFrame), "");
    EXPECT_EQ(accessibleName(window.nameLabel), "Name") << "a label reads as its caption";
    window.level.setText("Senior");
    EXPECT_EQ(runtime::testing::labelledBy(window.level), "Level");
    EXPECT_EQ(runtime::testing::labelledBy(window.name), "") << "only a combo box gets the relation";
}

}  // namespace
