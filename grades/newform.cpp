// SPDX-License-Identifier: LGPL-2.1-or-later
#include "newform.h"

#include "application.h"
#include "schoolfile.h"
#include "schoolline.h"

#include "runtime/base/error.h"
#include "runtime/base/integers.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

using namespace runtime;

newform::newform(application& app) : app_(app)
{
    const Attributes inClassInfo{.container = &classinfo};
    const Attributes inControls{.container = &controls};
    design({"New Grade Book", 5385, 3330}, {
        {&clsbook,    "",               120, 1680, 1935,  285,  0},
        {&Label2,     "Tallyra Name",   120, 1440, 1455,  255,  1},
        {&clstitle,   "",               120,  840, 1935,  285,  2,
         {.toolTip = "The class name, like 'Intro to Programming' or 'Advanced C++'"}},
        {&Label1,     "Class Name",     120,  600, 1095,  255,  3},
        {&Label4,     "School",         120,  120,  615,  255,  4},
        {&schoollist, "",               960,  120,  975,  255,  5, {.toolTip = "Choose a school"}},
        {&classinfo,  "Class Info",    2760,  120, 2535, 2415,  6},
        {&clssect,    "",              1440, 1400,  975,  315,  7, inClassInfo},
        {&clsnum,     "",              1440,  880,  975,  315,  8, inClassInfo},
        {&Label6,     "Class Number",   360,  910, 1095,  255,  9, inClassInfo},
        {&Label5,     "Dept",           840,  390,  615,  255, 10, inClassInfo},
        {&Label3,     "Section",        720, 1430,  735,  255, 11, inClassInfo},
        {&Label7,     "Campus",         720, 1920,  735,  255, 12, inClassInfo},
        {&controls,   "",              2520, 2520, 2775,  735, 13},
        {&newdone,    "Done",          1920,  120,  735,  495, 14, inControls},
        {&addnew,     "Add new school",  900,  120,  975,  495, 15, inControls},
        {&help,       "Help",           120,  120,  735,  495, 16, inControls},
        {&msgs,       "",               120, 2640, 2295,  495, 17},
        {&Dept,       "",              1440,  360,  975,  315, 18, inClassInfo},
        {&campuses,   "",              1440, 1920,  975,  315, 19, inClassInfo},
        {&msgtimer},
    });
    msgtimer.setEnabled(false);

    schoollist.Click.bind(this, &newform::schoollist_Click);
    addnew.Click.bind(this, &newform::addnew_Click);
    newdone.Click.bind(this, &newform::newdone_Click);
    msgtimer.Tick.bind(this, &newform::msgtimer_Timer);
}

void newform::Form_Load()
{
    const schoolfile file(programFolder() + "/schools.dt");
    try {
        if (!file.exists()) {
            showmsg("No school data defined yet", MessageKind::Information);
            return;
        }
        const schoolread read = file.readinto(app_.data.schools);
        for (Short index = 0; index < read.count; ++index)
            schoollist.addItem(app_.data.schools[index].sname);
        reportSkipped(read);
    } catch (const RuntimeError& error) {
        msgBox("The schools could not be read.\n\n" + error.text(), {Buttons::OkOnly, Icon::Exclamation});
    }
}

// Lines the table could not take, or that are no school, are named in red, one problem
// a line, each short enough for one line of the status label; the schools that were
// read are offered all the same.
void newform::reportSkipped(const schoolread& read)
{
    QStringList problems;
    if (read.tableFull)
        problems << QStringLiteral("Only the first %1 schools read").arg(appdata::schoolCount);
    if (read.shortLineCount == 1)
        problems << QStringLiteral("Line %1 skipped: too few fields").arg(read.firstShortLine);
    else if (read.shortLineCount > 1)
        problems << QStringLiteral("Line %1 and %2 more: too few fields")
                        .arg(read.firstShortLine)
                        .arg(read.shortLineCount - 1);
    if (!problems.isEmpty())
        showmsg(problems.join('\n'), MessageKind::Error);
}

// Offers the school's departments and campuses. Nothing is cleared: choosing schools
// one after another piles their entries up behind the text already shown.
void newform::schoollist_Click()
{
    const int index = schoollist.currentIndex();
    if (index == -1)  // the user took the selection away
        return;
    const schoolrec& school = app_.data.schools[static_cast<std::size_t>(index)];
    offer(school.deptlist, Dept);
    offer(school.camplist, campuses);
}

// While the box shows no text, the next entry becomes its text instead of a list entry:
// the first department of the first school chosen is the text of Dept, and the rest
// of its departments are the list.
void newform::offer(const Text& list, ComboBox& box)
{
    for (const Text& entry : split(list, Text(schoolline::entrySeparator))) {
        if (box.text().isEmpty())
            box.setText(entry);
        else
            box.addItem(entry);
    }
}

void newform::addnew_Click()
{
    app_.addSchool->show();
}

void newform::newdone_Click()
{
    hide();
}

void newform::showmsg(const Text& text, MessageKind kind)
{
    statusLine.show(text, kind);
}

void newform::msgtimer_Timer()
{
    statusLine.clear();
}
