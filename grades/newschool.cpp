// SPDX-License-Identifier: LGPL-2.1-or-later
#include "newschool.h"

#include "schoolfile.h"
#include "schoolline.h"

#include "runtime/base/error.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

using namespace runtime;

newschool::newschool()
{
    design({"Add a new school", 4680, 3195}, {
        {&schname,  "",                            120,  480, 1575,  375, 0},
        {&Label1,   "School name",                 120,  240,  975,  255, 1},
        {&depts,    "",                            120, 1320, 1935, 1215, 2},
        {&Label2,   "List of department acronyms", 120, 1080, 2055,  255, 3},
        {&campuses, "",                           2640, 1320, 1935, 1215, 4},
        {&Label3,   "List of Campuses",           2880, 1080, 1455,  255, 5},
        {&help,     "Help",                       2400,  360,  735,  495, 6},
        {&done,     "Add School",                 3600,  360,  975,  495, 7},
    });

    done.Click.bind(this, &newschool::done_Click);
    help.Click.bind(this, &newschool::help_Click);
}

// The boxes are checked in order, name, departments, campuses: only a text of length 0
// is empty (blanks or line breaks alone pass), a ";" would shift the fields of the line
// when it is read back, and a control character would split or garble it. Nothing is
// written before all three have passed.
void newschool::done_Click()
{
    using schoolline::holdsFieldSeparator, schoolline::nameHoldsControlCharacter, schoolline::listHoldsControlCharacter;
    if (schname.text().isEmpty())
        return refuse(schname, "School name is required");
    if (holdsFieldSeparator(schname.text()))
        return refuse(schname, "School name cannot contain \";\"");
    if (nameHoldsControlCharacter(schname.text()))
        return refuse(schname, "School name cannot contain control characters");
    if (depts.text().isEmpty())
        return refuse(depts, "Department list is required");
    if (holdsFieldSeparator(depts.text()))
        return refuse(depts, "Department list cannot contain \";\"");
    if (listHoldsControlCharacter(depts.text()))
        return refuse(depts, "Department list cannot contain control characters");
    if (campuses.text().isEmpty())
        return refuse(campuses, "Campuses list is required");
    if (holdsFieldSeparator(campuses.text()))
        return refuse(campuses, "Campuses list cannot contain \";\"");
    if (listHoldsControlCharacter(campuses.text()))
        return refuse(campuses, "Campuses list cannot contain control characters");

    const Text schstr = schoolline::make(schname.text(), depts.text(), campuses.text());
    msgBox("schstr is :" + schstr + ":");
    try {
        schoolfile(programFolder() + "/schools.dt").append(schstr);
    } catch (const RuntimeError& error) {
        msgBox("The school was not saved.\n\n" + error.text(), {Buttons::OkOnly, Icon::Exclamation});
    }
}

void newschool::refuse(TextBox& box, const Text& message)
{
    msgBox(message);
    box.setFocus();
}

void newschool::help_Click()
{
    msgBox("enter the school name. In the department box, enter a comma separated list of department "
           "acronyms, like CS, CIS, etc. In the campuses box, enter a comma seperated list of campus "
           "abbreviations.");
}
