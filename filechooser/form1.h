// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"

// The data file chooser: lists, once when it opens, the names of the ordinary files
// ending in ".dt" in the current folder, in the order the search finds them. Choosing
// an entry does nothing; no file is opened.
//
// A current folder that cannot be searched (unreadable, or deleted while current)
// stops the listing with the runtime's error message, naming the folder; the window
// then opens with an empty list.
class Form1 : public runtime::Form {
public:
    Form1();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Label Label1;
    runtime::ListBox List1;

private:
    void Form_Load() override;
};

// The search pattern for the data files of `folder`: the folder, a separator and "*.dt".
// The separator is added whatever the folder ends with, so the root gives "//*.dt",
// which the search reads as the root.
runtime::Text dataFilePattern(const runtime::Text& folder);
