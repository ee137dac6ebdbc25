#include "schoolline.h"

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

}  // namespace schoolline
