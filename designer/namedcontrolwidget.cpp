// SPDX-License-Identifier: LGPL-2.1-or-later
#include "namedcontrolwidget.h"

#include "propertyvalue.h"
#include "report.h"

#include <cstring>

using runtime::Arguments;
using runtime::Variant;
using runtime::components::CallKind;
using runtime::components::CallResult;
using runtime::components::MemberInfo;

namespace {

bool isPropertyCall(QMetaObject::Call call)
{
    return call == QMetaObject::ReadProperty || call == QMetaObject::WriteProperty || call == QMetaObject::ResetProperty
        || call == QMetaObject::RegisterPropertyMetaType || call == QMetaObject::BindableProperty;
}

}  // namespace

NamedControlWidget::NamedControlWidget(const ControlClassType& type, const runtime::Text& classIdentifier,
                                       QWidget* parent)
    : ControlWidget(classIdentifier, parent), type_(type)
{
}

void* NamedControlWidget::qt_metacast(const char* className)
{
    if (className && std::strcmp(className, type_.metaObject()->className()) == 0)
        return this;
    return ControlWidget::qt_metacast(className);
}

// As the meta-object compiler's code does: the classes above take their own indexes first,
// and every index past this class's properties is handed on, counted from the next class.
int NamedControlWidget::qt_metacall(QMetaObject::Call call, int id, void** arguments)
{
    id = ControlWidget::qt_metacall(call, id, arguments);
    if (id < 0 || !isPropertyCall(call))
        return id;
    const std::vector<MemberInfo>& properties = type_.properties();
    if (id < static_cast<int>(properties.size())) {
        const MemberInfo& property = properties[static_cast<std::size_t>(id)];
        if (call == QMetaObject::ReadProperty)
            storePropertyValue(propertyValue(property), arguments[0]);
        else if (call == QMetaObject::WriteProperty)
            setPropertyValue(property, propertyValueAt(property.result, arguments[0]));
        else if (call == QMetaObject::ResetProperty)
            setPropertyValue(property, *property.designDefault);
    }
    return id - static_cast<int>(properties.size());
}

Variant NamedControlWidget::propertyValue(const MemberInfo& property)
{
    Arguments none;
    return instance().invoke(property.id, CallKind::PropertyGet, none).value;
}

void NamedControlWidget::setPropertyValue(const MemberInfo& property, const Variant& value)
{
    Arguments arguments{value};
    const CallResult result = instance().invoke(property.id, CallKind::PropertyPut, arguments);
    if (!result.ok())
        report(QStringLiteral("%1 of %2 is not set to %3: %4")
                   .arg(property.name, instance().classIdentifier(), value.literal(), result.errorText));
}
