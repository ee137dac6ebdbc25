// SPDX-License-Identifier: LGPL-2.1-or-later
#include "classname.h"

runtime::Text designerClassName(const runtime::Text& classIdentifier)
{
    if (classIdentifier.count(u'_') == 0) {
        runtime::Text name = classIdentifier;
        return name.replace(u'.', u'_');
    }
    runtime::Text name;
    for (const QChar character : classIdentifier) {
        if (character == u'_')
            name += QStringLiteral("_1");
        else if (character == u'.')
            name += QStringLiteral("_0");
        else
            name += character;
    }
    return name;
}
