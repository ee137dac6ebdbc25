// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/designfont_p.h"

#include <QFontDatabase>
#include <QStringList>

namespace runtime::detail {
namespace {

// Where fonts-wine puts Tahoma, the scalable face drawn to MS Sans Serif's metrics.
constexpr const char* standInFolder = "/usr/share/wine/fonts/";
constexpr const char* standInFiles[] = {"tahoma.ttf", "tahomabd.ttf"};

struct StandIn {
    QStringList faces;  // the first the machine has draws the text
    double sizeFactor;
};

// MS Sans Serif is a bitmap face with a few pixel sizes, useless at any other scale, so
// it is always drawn in Tahoma. At the same point size Tahoma's words run up to 5%
// wider ("List of department acronyms" takes 139 pixels where MS Sans Serif takes 132);
// a step smaller, they run a few percent narrower, and every caption fits the width
// its design gave it.
StandIn standInFor(const Text& face)
{
    if (face.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0)
        return {{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")}, 0.94};
    if (face.compare(u"Times New Roman", Qt::CaseInsensitive) == 0)
        return {{face, QStringLiteral("Liberation Serif")}, 1.0};
    if (face.compare(u"Courier New", Qt::CaseInsensitive) == 0)
        return {{face, QStringLiteral("Liberation Mono")}, 1.0};
    return {{face, QStringLiteral("Liberation Sans")}, 1.0};
}

}  // namespace

void loadStandInFaces()
{
    static const bool loaded = [] {
        for (const char* file : standInFiles)
            QFontDatabase::addApplicationFont(QLatin1String(standInFolder) + QLatin1String(file));
        return true;
    }();
    (void)loaded;
}

QFont toolkitFont(const Font& font, QFont base)
{
    const StandIn standIn = standInFor(font.name);
    base.setFamilies(standIn.faces);
    base.setPointSizeF(font.points * standIn.sizeFactor);
    base.setBold(font.bold);
    base.setItalic(font.italic);
    return base;
}

}  // namespace runtime::detail
