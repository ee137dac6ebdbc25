// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/designsurface_p.h"

#include "runtime/forms/frame.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace runtime {

void DesignSurface::setBackColor(QWidget* surface, Colour colour)
{
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
}

void DesignSurface::place(QWidget* surface, const Placement& row)
{
    Control& control = *row.control;
    const Attributes& attributes = row.attributes;
    control.tabIndex_ = row.tabIndex;
    QWidget* widget = control.widget();
    if (!widget)
        return;
    widget->setParent(attributes.container ? attributes.container->widget() : surface);
    control.setDesignCaption(row.caption);
    control.setDesignAlignment(attributes.alignment);
    control.applyDesignAttributes(attributes);
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

Control* DesignSurface::chainTabOrder(const std::vector<Control*>& controls)
{
    std::vector<Control*> tabOrder;
    for (Control* control : controls) {
        if (control->tabIndex() >= 0 && control->widget() && control->widget()->focusPolicy() != Qt::NoFocus)
            tabOrder.push_back(control);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1]->widget(), tabOrder[i]->widget());
    return tabOrder.empty() ? nullptr : tabOrder.front();
}

}  // namespace runtime
