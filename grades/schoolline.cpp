// SPDX-License-Identifier: LGPL-2.1-or-later
#include "schoolline.h"

#include <algorithm>

using runtime::Text;

namespace schoolline {

Text joinlines(const Text& boxText)
{
    Text list;
    for (const Text& piece : runtime::split(boxText, QStringLiteral("\r\n"))) {
        if (list.isEmpty())
            list = piece;
        else
            list += entrySeparator + piece;
    }
    return list;
}

Text make(const Text& name, const Text& departmentLines, const Text& campusLines)
{
    return name + fieldSeparator + joinlines(departmentLines) + fieldSeparator + joinlines(campusLines);
}

bool holdsFieldSeparator(const Text& text)
{
    return text.contains(fieldSeparator);
}

bool nameHoldsControlCharacter(const Text& name)
{
    return std::ranges::any_of(name, [](QChar character) { return character.category() == QChar::Other_Control; });
}

bool listHoldsControlCharacter(const Text& lines)
{
    return std::ranges::any_of(runtime::split(lines, QStringLiteral("\r\n")), nameHoldsControlCharacter);
}

}  // namespace schoolline
