// SPDX-License-Identifier: LGPL-2.1-or-later
#include "start.h"

#include "application.h"

#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

using namespace runtime;

start::start(application& app) : app_(app)
{
    const Colour darkOrange = rgb(192, 64, 0);
    design({"Grade Book", 4680, 3195, darkOrange}, {
        {&Label1, "Store, analyze and publish grades for all your classes", 360, 1200, 4095, 735, 0,
         {.alignment = Alignment::Centre, .foreColor = rgb(192, 192, 0), .backColor = darkOrange,
          .font = Font{"Times New Roman", 14.25f, true}}},
        {&Image1, "", 720, -240, 3000, 1500},
    });
    // Shown at its natural size; its top 240 twips lie above the client area.
    Image1.setPicture(":/grades/images/logo.gif");

    // sep2 and the recent entries are designed hidden, and nothing shows them later.
    constexpr bool visible = false;
    designMenu({
        {&filemn,         1, "&File"},
        {&filenewmn,      2, "&New", "Ctrl+N"},
        {&fileopenmn,     2, "&Open", "Ctrl+O"},
        {&filesavemn,     2, "&Save", "Ctrl+S"},
        {&filesaveasmn,   2, "&Save As"},
        {&filearchmn,     2, "&Archive"},
        {&sep1,           2, "-"},
        {&fileprintsetmn, 2, "Print Setup"},
        {&fileprintmn,    2, "&Print", "Ctrl+P"},
        {&sep2,           2, "-", {}, visible},
        {&recent[1],      2, "", {}, visible},
        {&recent[2],      2, "", {}, visible},
        {&recent[3],      2, "", {}, visible},
        {&sep3,           2, "-"},
        {&fileexitmn,     2, "&Exit"},
        {&editmn,         1, "&Edit"},
        {&editclsmn,      2, "&Class"},
        {&editasgmn,      2, "&Assignments"},
        {&editstudmn,     2, "&Students"},
        {&editgrdmn,      2, "&Grades"},
        {&editprefs,      2, "&Preferences"},
        {&reportsmn,      1, "&Reports"},
        {&helpmn,         1, "&Help"},
        {&helpaboutmn,    2, "&About"},
    });

    filenewmn.Click.bind(this, &start::filenewmn_Click);
    editprefs.Click.bind(this, &start::editprefs_Click);
    fileexitmn.Click.bind(this, &start::fileexitmn_Click);
    helpaboutmn.Click.bind(this, &start::helpaboutmn_Click);
}

void start::filenewmn_Click()
{
    app_.newGradeBook->show();
}

void start::editprefs_Click()
{
    app_.preferences->show();
}

void start::fileexitmn_Click()
{
    end();
}

void start::helpaboutmn_Click()
{
    msgBox("Version 0.1 of the Grade Book Program");
}

// The main window has been closed: the program ends with it, even while other windows
// of the application are open or hidden.
void start::Form_Terminate()
{
    end();
}
