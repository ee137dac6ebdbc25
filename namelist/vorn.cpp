// SPDX-License-Identifier: LGPL-2.1-or-later
#include "vorn.h"

#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

using namespace runtime;

namespace {
// An entry of `results` whose record has been deleted through another entry.
constexpr std::int32_t removedRecord = 0;
}  // namespace

Vorn::Vorn()
{
    design({"Vorn Solution", 6465, 3660}, {
        {&load,      "Load Data",       360,  360, 1095,  375, 0},
        {&target,    "",                360, 1200, 1455,  375, 1, {.accessibleName = "Name to find"}},
        {&findfname, "Find First Name", 240, 2040,  855,  495, 2},
        {&findlname, "Find Last Name", 1440, 2040,  855,  495, 3},
        {&results,   "",               3720,  720, 2055, 1425, 4, {.accessibleName = "Found names"}},
        {&delete_,   "Delete Name",    4680, 2280, 1095,  495, 5},
        {&done,      "Exit",            120, 3120, 1575,  375, 6},
        {&savedata,  "Save Data",      2160,  360, 1095,  375, 7},
        {&msgs,      "",               2400, 3120, 3855,  495, 8},
        {&Timer1},
    });

    load.Click.bind(this, &Vorn::load_Click);
    savedata.Click.bind(this, &Vorn::savedata_Click);
    findfname.Click.bind(this, &Vorn::findfname_Click);
    findlname.Click.bind(this, &Vorn::findlname_Click);
    delete_.Click.bind(this, &Vorn::delete_Click);
    done.Click.bind(this, &Vorn::done_Click);
    Timer1.Tick.bind(this, &Vorn::Timer1_Timer);
}

void Vorn::showmsg(const Text& text, MessageKind kind)
{
    statusLine.show(text, kind);
}

void Vorn::Timer1_Timer()
{
    statusLine.clear();
}

void Vorn::Form_Load()
{
    infile = programFolder() + "/vorn.txt";
    outfile = programFolder() + "/vorno.txt";
}

void Vorn::load_Click()
{
    if (namelist.loadfromfile(infile))
        showmsg("data file loaded", MessageKind::Information);
    else
        showmsg("loading data file failed", MessageKind::Error);
}

void Vorn::savedata_Click()
{
    if (namelist.savetofile(outfile))
        showmsg("data file saved", MessageKind::Information);
    else
        showmsg("saving data file failed", MessageKind::Error);
}

void Vorn::findfname_Click()
{
    find(SearchBy::FirstName);
}

void Vorn::findlname_Click()
{
    find(SearchBy::LastName);
}

void Vorn::find(SearchBy searchBy)
{
    if (!namelist.isloaded()) {
        showmsg("You must load the data first", MessageKind::Error);
        load.setFocus();
        return;
    }
    if (target.text().isEmpty()) {
        showmsg("You must fill in a target", MessageKind::Error);
        target.setFocus();
        return;
    }
    const namebytes::NameIgnoringCase wanted(target.text());
    names::Record record;
    for (Short position = namelist.getnext("reset", record); position != 0;
         position = namelist.getnext({}, record)) {
        const bool matches = searchBy == SearchBy::FirstName ? record->firstnameMatches(wanted) : record->lastnameMatches(wanted);
        if (matches) {
            results.addItem(record->lastfirst());
            results.setItemNumber(results.count() - 1, position);
        }
    }
}

void Vorn::delete_Click()
{
    const int selected = results.currentIndex();
    if (selected == -1)
        return;
    const std::int32_t position = results.itemNumber(selected);
    if (position != removedRecord) {
        namelist.remove(position);
        forgetRemovedPosition(position);
    }
    showmsg(results.item(selected) + " removed", MessageKind::Information);
    results.removeItem(selected);
}

// Records behind a removed one move up a position; the entries that show them follow,
// and entries that showed the removed record itself no longer designate any record.
void Vorn::forgetRemovedPosition(std::int32_t removedPosition)
{
    for (int entry = 0; entry < results.count(); ++entry) {
        const std::int32_t position = results.itemNumber(entry);
        if (position == removedPosition)
            results.setItemNumber(entry, removedRecord);
        else if (position > removedPosition)
            results.setItemNumber(entry, position - 1);
    }
}

void Vorn::done_Click()
{
    if (!namelist.issaved()) {
        const MsgBoxResult answer = msgBox("Data is unsaved, do you want to save first?",
                                           {Buttons::YesNo, Icon::Exclamation, DefaultButton::Second}, "Unsaved Data");
        // A failed save must not end the program: the names would be lost with it.
        if (answer == Yes && !namelist.savetofile(outfile)) {
            msgBox("saving data file failed", {Buttons::OkOnly, Icon::Exclamation});
            return;
        }
    }
    end();
}
