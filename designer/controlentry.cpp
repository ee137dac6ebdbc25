// SPDX-License-Identifier: LGPL-2.1-or-later
#include "controlentry.h"

#include "classname.h"
#include "namedcontrolwidget.h"
#include "report.h"
#include "runtime/base/error.h"
#include "runtime/components/toolboxicon_p.h"

namespace {

// Where a control cannot be made after all, a form still gets a widget in its place.
constexpr QSize standInSize(100, 30);

// The class's design-time properties but those named as a property every widget has,
// which a designer and a form would take for the widget's; those are reported.
std::vector<runtime::components::MemberInfo> designProperties(const runtime::components::ClassInfo& type)
{
    std::vector<runtime::components::MemberInfo> properties;
    for (const runtime::components::MemberInfo& member : type.defaultInterface.members) {
        if (!member.designDefault)
            continue;
        if (QWidget::staticMetaObject.indexOfProperty(member.name.toUtf8().constData()) >= 0)
            report(QStringLiteral("%1: the design-time property %2 is left out, as every widget has a property "
                                  "of that name")
                       .arg(type.identifier, member.name));
        else
            properties.push_back(member);
    }
    return properties;
}

}  // namespace

ControlEntry::ControlEntry(const runtime::components::ClassInfo& type, QObject* parent)
    : QObject(parent), type_(type), className_(designerClassName(type.identifier)),
      classType_(className_.toLatin1(), designProperties(type)), icon_(runtime::components::toolboxIcon(type.picture))
{
}

QString ControlEntry::group() const
{
    return QStringLiteral("Desktop Suite");
}

// The widget class that makes every control by its class identifier.
QString ControlEntry::includeFile() const
{
    return QStringLiteral("runtime/components/controlwidget_p.h");
}

QWidget* ControlEntry::createWidget(QWidget* parent)
{
    try {
        auto* widget = new NamedControlWidget(classType_, type_.identifier, parent);
        // A control on a form being designed keeps still: no timers, no files, no windows.
        widget->instance().setUserMode(!inDesigner_);
        return widget;
    } catch (const runtime::RuntimeError& error) {
        report(error.text());
        auto* standIn = new QWidget(parent);
        standIn->resize(standInSize);
        return standIn;
    }
}

// A new form's control takes the extent its design gave it.
QString ControlEntry::domXml() const
{
    const QSize size = designSize();
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%4</width><height>%5</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(type_.identifier, className_, type_.name)
        .arg(size.width())
        .arg(size.height());
}

QSize ControlEntry::designSize() const
{
    if (!designSize_) {
        try {
            designSize_ = runtime::components::ControlWidget(type_.identifier).sizeHint();
        } catch (const runtime::RuntimeError& error) {
            report(error.text());
            designSize_ = standInSize;
        }
    }
    return *designSize_;
}
