// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tallyhost.h"

#include "counter/countermembers.h"
#include "phonecontrol/phonectrlmembers.h"

TallyHost::TallyHost()
{
    design({"Tally Host", 5160, 2280}, {
        {&counter1, "", 120, 120, 1215, 375, 0},
        {&counted, "Counted 0", 1560, 180, 3000, 255, 1},
        {&phonectrl1, "", 120, 720, 4845, 975, 2},
        {&number, "", 120, 1860, 3000, 255, 3},
    });

    counter1.bind(countermember::changed, this, &TallyHost::counter1_changed);
    phonectrl1.bind(phonectrlmember::clicked, this, &TallyHost::phonectrl1_clicked);
}

void TallyHost::counter1_changed(runtime::Arguments& arguments)
{
    counted.setCaption(QStringLiteral("Counted %1").arg(arguments.at(0).toLong()));
}

void TallyHost::phonectrl1_clicked()
{
    number.setCaption(phonectrl1.call(phonectrlmember::stdformat).toText());
}
