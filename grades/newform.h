// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/button.h"
#include "runtime/forms/combobox.h"
#include "runtime/forms/form.h"
#include "runtime/forms/frame.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/statusline.h"
#include "runtime/forms/textbox.h"
#include "runtime/forms/timer.h"

class application;
struct schoolread;

// The New Grade Book window. When it loads it reads the school list file into the
// application's school table and lists the schools; choosing a school offers its
// departments and campuses in two combo boxes. "Add new school" opens the Add a new
// school window; "Done" hides the window with everything in it. Schools added while
// it is loaded appear only once it has been closed and loaded again. The entries typed
// or chosen here are not used anywhere else.
class newform : public runtime::Form {
public:
    explicit newform(application& app);

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::TextBox clsbook;
    runtime::Label Label2;
    runtime::TextBox clstitle;
    runtime::Label Label1;
    runtime::Label Label4;
    runtime::ListBox schoollist;
    runtime::Frame classinfo;
    runtime::ComboBox clssect;
    runtime::ComboBox clsnum;
    runtime::Label Label6;
    runtime::Label Label5;
    runtime::Label Label3;
    runtime::Label Label7;
    runtime::Frame controls;
    runtime::Button newdone;
    runtime::Button addnew;
    runtime::Button help;
    runtime::Label msgs;
    runtime::ComboBox Dept;
    runtime::ComboBox campuses;
    runtime::Timer msgtimer;

private:
    void Form_Load() override;
    void schoollist_Click();
    void addnew_Click();
    void newdone_Click();
    void msgtimer_Timer();

    void showmsg(const runtime::Text& text, runtime::MessageKind kind);
    void reportSkipped(const schoolread& read);
    static void offer(const runtime::Text& list, runtime::ComboBox& box);

    runtime::StatusLine statusLine{msgs, msgtimer};
    application& app_;
};
