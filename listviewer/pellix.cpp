// SPDX-License-Identifier: LGPL-2.1-or-later
#include "pellix.h"

#include "runtime/base/error.h"
#include "runtime/files/textfile.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

using namespace runtime;

pellix::pellix()
{
    design({"Form1", 4680, 3195}, {
        {&List1,    "",       120,  720,  855,  645, 0, {.accessibleName = "Left list"}},
        {&List2,    "",      3240,  720,  975,  645, 1, {.accessibleName = "Right list"}},
        {&Command1, "< == >", 1560,  840, 1095,  495, 2, {.font = Font{"MS Sans Serif", 12, true}}},
        {&Command2, "Exit",   3480, 2280,  735,  615, 3},
    });

    Command1.Click.bind(this, &pellix::Command1_Click);
    Command2.Click.bind(this, &pellix::Command2_Click);
    List1.DblClick.bind(this, &pellix::List1_DblClick);
    List2.Click.bind(this, &pellix::List2_Click);
}

void pellix::Form_Load()
{
    // Every line is read before the first entry is added, so a file that fails part
    // way leaves no half list behind.
    TextList lines;
    try {
        lines = InputFile(programFolder() + "/pellix.txt").readLines();
    } catch (const RuntimeError& error) {
        msgBox(error.text(), {Buttons::OkOnly, Icon::Exclamation});
        return;
    }
    List1.addItems(std::move(lines));
}

void pellix::Command1_Click()
{
    moveselected();
}

void pellix::Command2_Click()
{
    end();
}

void pellix::List1_DblClick()
{
    moveselected();
}

void pellix::List2_Click()
{
    moveselected();
}

// Moves the selected entry of the one list that has a selection to the end of the
// other; with a selection in both lists, or in neither, nothing moves. Entries move by
// position, so equal texts move one at a time.
void pellix::moveselected()
{
    const int left = List1.currentIndex();
    const int right = List2.currentIndex();
    if (left == -1 && right != -1) {
        const Text entry = List2.item(right);
        List2.removeItem(right);
        List1.addItem(entry);
    }
    if (right == -1 && left != -1) {
        const Text entry = List1.item(left);
        List1.removeItem(left);
        List2.addItem(entry);
    }
}
