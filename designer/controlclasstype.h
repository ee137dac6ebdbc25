#pragma once

#include <QByteArray>
#include <QMetaObject>

#include <vector>

// The type of a control's widget under its form designer class name ("tesk_phonectrl"):
// a class derived from runtime::components::ControlWidget that adds nothing. A designer
// checks that the widget it is given is of the class it asked for, and its property
// editor shows that name. The table is what the meta-object compiler writes for such a
// class (revision 10), which later toolkit versions go on reading.
class ControlClassType {
public:
    explicit ControlClassType(const QByteArray& className);
    ControlClassType(const ControlClassType&) = delete;
    ControlClassType& operator=(const ControlClassType&) = delete;

    const QMetaObject* metaObject() const { return &metaObject_; }

private:
    std::vector<uint> strings_;  // the name's offset and size, then its characters
    QMetaObject metaObject_;
};
