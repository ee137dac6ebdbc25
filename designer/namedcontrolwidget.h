#pragma once

#include "controlclasstype.h"
#include "runtime/components/controlwidget.h"

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
