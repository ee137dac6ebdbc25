// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "names.h"

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/statusline.h"
#include "runtime/forms/textbox.h"
#include "runtime/forms/timer.h"

#include <cstdint>

// The name list window: loads "vorn.txt" from the program folder, finds names by first
// or last name, deletes found names and saves the list to "vorno.txt", asking before it
// exits with unsaved changes. A status line shows what happened for five seconds.
class Vorn : public runtime::Form {
public:
    Vorn();

    // What the window knows of its list, for tests.
    const names& list() const { return namelist; }

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Button load;
    runtime::TextBox target;
    runtime::Button findfname;
    runtime::Button findlname;
    runtime::ListBox results;
    runtime::Button delete_;  // "delete" in the design; the word is taken in C++
    runtime::Button done;
    runtime::Button savedata;
    runtime::Label msgs;
    runtime::Timer Timer1;

private:
    enum class SearchBy { FirstName, LastName };

    void Form_Load() override;
    void load_Click();
    void savedata_Click();
    void findfname_Click();
    void findlname_Click();
    void delete_Click();
    void done_Click();
    void Timer1_Timer();

    void showmsg(const runtime::Text& text, runtime::MessageKind kind);
    void find(SearchBy searchBy);
    void forgetRemovedPosition(std::int32_t removedPosition);

    runtime::StatusLine statusLine{msgs, Timer1};
    names namelist;
    runtime::Text infile;
    runtime::Text outfile;
};
