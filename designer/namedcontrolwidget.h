// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "controlclasstype.h"
#include "runtime/components/controlwidget_p.h"

// A control's widget that reports the type it is given as its own, and whose properties
// of that type are the control's design-time properties: each read through the control's
// getter and written through its setter, by member identifier, so that the control shows
// a value the moment it is given. Resetting one writes its default. A value the control
// refuses leaves it as it was and is reported on standard error.
class NamedControlWidget : public runtime::components::ControlWidget {
public:
    NamedControlWidget(const ControlClassType& type, const runtime::Text& classIdentifier, QWidget* parent);

    const QMetaObject* metaObject() const override { return type_.metaObject(); }
    // What inherits() asks.
    void* qt_metacast(const char* className) override;
    // Reads, writes and resets the type's properties.
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    runtime::Variant propertyValue(const runtime::components::MemberInfo& property);
    void setPropertyValue(const runtime::components::MemberInfo& property, const runtime::Variant& value);

    const ControlClassType& type_;
};
