// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/typeinfo.h"

#include <QByteArray>
#include <QMetaObject>

#include <vector>

// The type of a control's widget under its form designer class name ("tesk_phonectrl"):
// a class derived from runtime::components::ControlWidget whose properties are the
// control's design-time properties, each of the meta type propertyvalue.h gives its kind.
// A designer checks that the widget it is given is of the class it asked for, shows that
// name in its property editor, and lists, edits and saves the class's properties as it
// does any widget's; a form loaded from its file sets them by name. The table is what the
// meta-object compiler writes for such a class (revision 10), which later toolkit
// versions go on reading.
class ControlClassType {
public:
    ControlClassType(const QByteArray& className, std::vector<runtime::components::MemberInfo> properties);
    ControlClassType(const ControlClassType&) = delete;
    ControlClassType& operator=(const ControlClassType&) = delete;

    const QMetaObject* metaObject() const { return &metaObject_; }
    // The design-time properties, in the order of the class's own property indexes.
    const std::vector<runtime::components::MemberInfo>& properties() const { return properties_; }

private:
    std::vector<runtime::components::MemberInfo> properties_;
    std::vector<uint> strings_;  // each string's offset and size, then their characters
    std::vector<uint> data_;
    std::vector<const QtPrivate::QMetaTypeInterface*> metaTypes_;
    QMetaObject metaObject_;
};
