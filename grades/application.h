// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "appdata.h"
#include "newform.h"
#include "newschool.h"
#include "prefsedit.h"
#include "start.h"

#include "runtime/forms/form.h"

#include <memory>

// One run of the grade book application: the data its windows share, its main window
// and the single instances of its other windows. Each of those is made on first use,
// kept while it is only hidden, and made afresh after its close box has unloaded it.
class application {
public:
    appdata data;
    start mainWindow{*this};
    runtime::SingleInstance<newform> newGradeBook{[this] { return std::make_unique<newform>(*this); }};
    runtime::SingleInstance<newschool> addSchool;
    runtime::SingleInstance<prefsedit> preferences{[this] { return std::make_unique<prefsedit>(data); }};
};
