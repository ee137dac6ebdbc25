#include "runtime/components/usercontrol.h"

#include "runtime/base/event.h"
#include "runtime/components/server.h"
#include "runtime/forms/frame.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

int pixels(float twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

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

void UserControl::design(const UserControlDesign& surface, std::initializer_list<ChildPlacement> children)
{
    width_ = surface.width;
    height_ = surface.height;
    surface_->resize(pixels(width_), pixels(height_));
    if (surface.backColor) {
        QPalette palette = surface_->palette();
        palette.setColor(QPalette::Window, QColor(surface.backColor->red, surface.backColor->green, surface.backColor->blue));
        surface_->setPalette(palette);
        surface_->setAutoFillBackground(true);
    }
    for (const ChildPlacement& row : children)
        place(row);

    std::vector<Control*> tabOrder;
    for (const ChildPlacement& row : children) {
        if (row.tabIndex >= 0 && row.control->widget() && row.control->widget()->focusPolicy() != Qt::NoFocus)
            tabOrder.push_back(row.control);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1]->widget(), tabOrder[i]->widget());
}

void UserControl::place(const ChildPlacement& row)
{
    Control& control = *row.control;
    children_.emplace_back(row.name, &control);
    control.tabIndex_ = row.tabIndex;
    QWidget* widget = control.widget();
    if (!widget)
        return;
    const Attributes& attributes = row.attributes;
    widget->setParent(attributes.container ? attributes.container->widget() : surface_.data());
    widget->setObjectName(row.name);
    control.setDesignCaption(row.caption);
    control.setDesignAlignment(attributes.alignment);
    if (attributes.font)
        control.setFont(*attributes.font);
    if (attributes.foreColor)
        control.setForeColor(*attributes.foreColor);
    if (attributes.backColor)
        control.setBackColor(*attributes.backColor);
    if (!attributes.toolTip.isEmpty())
        control.setToolTip(attributes.toolTip);
    control.move(row.left, row.top, row.width, row.height);
    widget->raise();
    widget->show();
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
