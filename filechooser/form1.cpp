// SPDX-License-Identifier: LGPL-2.1-or-later
#include "form1.h"

#include "runtime/files/patternsearch.h"
#include "runtime/forms/program.h"

using namespace runtime;

Form1::Form1()
{
    design({"Form1", 4680, 3195}, {
        {&Label1, "File Choices", 2280, 360, 1455, 255, 1},
        {&List1,  "",             2400, 720, 1215, 840, 0},
    });
}

Text dataFilePattern(const Text& folder)
{
    return folder + "/*.dt";
}

void Form1::Form_Load()
{
    PatternSearch search(dataFilePattern(currentFolder()));
    for (Text name = search.next(); !name.isEmpty(); name = search.next())
        List1.addItem(name);
}
