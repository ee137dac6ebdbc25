// SPDX-License-Identifier: LGPL-2.1-or-later
#include "suitecontrols.h"

#include "controlentry.h"
#include "report.h"
#include "runtime/components/controlclasses_p.h"

SuiteControls::SuiteControls(QObject* parent) : QObject(parent)
{
    const runtime::components::ControlClasses classes = runtime::components::controlClasses();
    for (const QString& unreadable : classes.unreadable)
        report(unreadable);
    for (const runtime::components::RefusedControl& refused : classes.refused)
        report(QStringLiteral("%1 is left out, its library %2 is refused: %3")
                   .arg(refused.entry.type.identifier, refused.entry.library, refused.refusal));
    for (const runtime::components::CatalogueEntry& entry : classes.offered)
        entries_.append(new ControlEntry(entry.type, this));
}
