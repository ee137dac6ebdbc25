#pragma once

#include "runtime/components/controlwidget.h"

#include <QByteArray>
#include <QMetaObject>

#include <vector>

// The type of a control's widget under its form designer class name ("tesk_phonectrl"):
// a class derived from ControlWidget that adds nothing. A designer checks that the widget
// it is given is of the class it asked for, and its property editor shows that name.
// The table is what the meta-object compiler writes for such a class (revision 10).
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

// A control's widget that reports the type it is given as its own.
class NamedControlWidget : public runtime::components::ControlWidget {
public:
    NamedControlWidget(const ControlClassType& type, const runtime::Text& classIdentifier, QWidget* parent);

    const QMetaObject* metaObject() const override { return type_.metaObject(); }
    // What inherits() asks.
    void* qt_metacast(const char* className) override;

private:
    const ControlClassType& type_;
};
