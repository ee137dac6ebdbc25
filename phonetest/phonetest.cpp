// SPDX-License-Identifier: LGPL-2.1-or-later
#include "phonetest.h"

#include "phonecontrol/phonectrlmembers.h"
#include "runtime/forms/program.h"

PhoneTest::PhoneTest()
{
    using runtime::Alignment;
    design({"Form1", 6840, 4050}, {
        {&stdform, "", 240, 1560, 2655, 375, 0},
        {&Label2, "Standard Phone Format", 120, 1200, 2895, 255, 1, {.alignment = Alignment::Centre}},
        {&phonectrl1, "", 0, 0, 4845, 975, 2},
        {&Command1, "Exit", 3720, 1800, 975, 615, 3},
        {&Label1, "Trendy Phone Format", 120, 2160, 2895, 255, 4, {.alignment = Alignment::Centre}},
        {&fancy, "", 120, 2640, 2655, 375, 5},
    });

    phonectrl1.bind(phonectrlmember::clicked, this, &PhoneTest::phonectrl1_clicked);
    Command1.Click.bind(this, &PhoneTest::Command1_Click);
}

// Runs while the control is still in its "Done" handler: the boxes are as they were
// when "Done" was pressed.
void PhoneTest::phonectrl1_clicked()
{
    stdform.setCaption(phonectrl1.call(phonectrlmember::stdformat).toText());
    fancy.setCaption(phonectrl1.call(phonectrlmember::trendformat).toText());
}

void PhoneTest::Command1_Click()
{
    runtime::end();
}
