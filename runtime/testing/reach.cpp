// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/testing/reach.h"

#include "runtime/testing/testing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>

namespace runtime::testing {
namespace {

QString described(const QWidget& widget)
{
    return QStringLiteral("%1 (%2)").arg(widget.objectName(), widget.metaObject()->className());
}

// A combo box's own line edit and list are parts of the combo box, not controls of the
// window.
bool partOfComboBox(const QWidget& widget)
{
    for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up))
            return true;
    return false;
}

bool showsNoCaption(const QWidget& widget)
{
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget)
        || qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QComboBox*>(&widget);
}

bool actedOn(const QWidget& widget)
{
    return showsNoCaption(widget) || qobject_cast<const QAbstractButton*>(&widget);
}

// The controls of `top` that a user acts on, as they show on the window now.
QList<QWidget*> controlsOf(const QWidget& top, bool (*kind)(const QWidget&))
{
    QList<QWidget*> found;
    for (QWidget* widget : top.findChildren<QWidget*>())
        if (kind(*widget) && !partOfComboBox(*widget) && widget->isVisibleTo(&top) && widget->isEnabled())
            found.append(widget);
    return found;
}

bool named(QWidget& widget)
{
    if (!widget.accessibleName().isEmpty())
        return true;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible && !accessible->relations(QAccessible::Label).isEmpty();
}

}  // namespace

QStringList unnamedControls(const QWidget& top)
{
    QStringList unnamed;
    for (QWidget* widget : controlsOf(top, showsNoCaption))
        if (!named(*widget))
            unnamed.append(described(*widget));
    return unnamed;
}

QStringList controlsTabSkips(QWidget* top)
{
    const std::vector<QWidget*> cycle = tabCycle(top);
    const auto reached = [&](const QWidget* control) {
        return std::any_of(cycle.begin(), cycle.end(), [&](const QWidget* focused) {
            return focused && (focused == control || control->isAncestorOf(focused));
        });
    };
    const auto groupReached = [&](const QWidget* control) {
        if (!qobject_cast<const QRadioButton*>(control))
            return false;
        const auto siblings = control->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        return std::any_of(siblings.begin(), siblings.end(), reached);
    };
    QStringList skipped;
    for (QWidget* widget : controlsOf(*top, actedOn))
        if (!reached(widget) && !groupReached(widget))
            skipped.append(described(*widget));
    return skipped;
}

}  // namespace runtime::testing
