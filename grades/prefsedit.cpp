// SPDX-License-Identifier: LGPL-2.1-or-later
#include "prefsedit.h"

#include "runtime/forms/msgbox.h"

using namespace runtime;

prefsedit::prefsedit(appdata& data) : data_(data)
{
    design({"Edit Preferences", 4680, 3195}, {
        {&done,       "Done",       3240, 2520,  975, 495, 0},
        {&instrfirst, "",           1080,  300, 1335, 375, 1},
        {&Label1,     "First Name",  120,  360,  855, 255, 2},
        {&instrlast,  "",           1080,  960, 1335, 375, 3},
        {&Label2,     "Last Name",   120,  960,  855, 375, 4},
    });

    done.Click.bind(this, &prefsedit::done_Click);
}

void prefsedit::Form_Load()
{
    if (!data_.instructorfirst.isEmpty())
        instrfirst.setText(data_.instructorfirst);
    if (!data_.instructorlast.isEmpty())
        instrlast.setText(data_.instructorlast);
}

void prefsedit::done_Click()
{
    // Only a text of length 0 is empty: blanks alone pass, and names are kept as typed.
    if (instrfirst.text().isEmpty()) {
        msgBox("Instructor first name is required");
        instrfirst.setFocus();
        return;
    }
    if (instrlast.text().isEmpty()) {
        msgBox("Instructor last name is required");
        instrlast.setFocus();
        return;
    }
    data_.instructorfirst = instrfirst.text();
    data_.instructorlast = instrlast.text();
    hide();
}
