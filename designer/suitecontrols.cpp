#include "suitecontrols.h"

#include "controlentry.h"
#include "report.h"
#include "runtime/base/error.h"
#include "runtime/components/controlclasses.h"

SuiteControls::SuiteControls(QObject* parent) : QObject(parent)
{
    runtime::components::ControlClasses classes;
    try {
        classes = runtime::components::controlClasses();
    } catch (const runtime::RuntimeError& error) {
        report(error.text());
        return;
    }
    for (const runtime::components::RefusedControl& refused : classes.refused)
        report(QStringLiteral("%1 is left out, its library %2 is refused: %3")
                   .arg(refused.entry.type.identifier, refused.entry.library, refused.refusal));
    for (const runtime::components::CatalogueEntry& entry : classes.offered)
        entries_.append(new ControlEntry(entry.type, this));
}
