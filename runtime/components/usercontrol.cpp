#include "runtime/components/usercontrol.h"

#include "runtime/components/server.h"
#include "runtime/forms/accessiblenames.h"
#include "runtime/forms/designsurface.h"
#include "runtime/forms/event.h"

#include <QWidget>

namespace runtime {
UserControl::UserControl() : surface_(new QWidget) {}

UserControl::~UserControl()
{
    // The children are members of the subclass and have taken their widgets with them.
    delete surface_.data();
    if (server_)
        components::objectReleased(*server_);
}

Control* UserControl::child(const Text& name) const
{
    for (const auto& [childName, control] : children_) {
        if (childName == name)
            return control;
    }
    return nullptr;
}

void UserControl::design(const UserControlDesign& surface, std::initializer_list<Placement> children)
{
    width_ = surface.width;
    height_ = surface.height;
    surface_->resize(pixels(width_), pixels(height_));
    if (surface.backColor)
        DesignSurface::setBackColor(surface_.data(), *surface.backColor);
    std::vector<Control*> placed;
    for (const Placement& row : children) {
        children_.emplace_back(row.name, row.control);
        placed.push_back(row.control);
        DesignSurface::place(surface_.data(), row);
        if (row.control->widget())
            row.control->widget()->setObjectName(row.name);
    }
    AccessibleNames::nameControls(children);
    DesignSurface::chainTabOrder(placed);
}

QWidget* UserControl::firstFocusChild() const
{
    const Control* first = nullptr;
    for (const auto& [name, control] : children_) {
        const QWidget* widget = control->widget();
        if (control->tabIndex() < 0 || !widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!first || control->tabIndex() < first->tabIndex())
            first = control;
    }
    return first ? first->widget() : nullptr;
}

void UserControl::initialize()
{
    detail::runHandler([this] { UserControl_Initialize(); });
}

void UserControl::setWidth(float width)
{
    requestExtent(width, height_);
}

void UserControl::setHeight(float height)
{
    requestExtent(width_, height);
}

void UserControl::requestExtent(float width, float height)
{
    if (site_)
        site_->extentRequested(width, height);
    else
        applyExtent(width, height);
}

void UserControl::applyExtent(float width, float height)
{
    width_ = width;
    height_ = height;
    if (surface_)
        surface_->setGeometry(0, 0, pixels(width_), pixels(height_));
    detail::runHandler([this] { UserControl_Resize(); });
}

}  // namespace runtime
