#include "namedcontrolwidget.h"

#include <cstring>

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
