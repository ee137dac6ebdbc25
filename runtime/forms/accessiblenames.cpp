// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/accessiblenames_p.h"

#include "runtime/forms/combobox.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/textbox.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace runtime {
namespace {

// How far a designating label may lie from its control.
constexpr float nearEnough = 360;

bool showsNoCaption(const Control* control)
{
    return dynamic_cast<const TextBox*>(control) || dynamic_cast<const ListBox*>(control)
           || dynamic_cast<const ComboBox*>(control);
}

// The distance from a label to the control it designates, or none when it designates
// something else. A label that overlaps its control's edge a little is at distance 0.
std::optional<float> designatingDistance(const Placement& label, const Placement& control)
{
    if (label.attributes.container != control.attributes.container)
        return std::nullopt;
    const float middleAcross = label.left + label.width / 2;
    const float middleDown = label.top + label.height / 2;
    const bool above = label.top < control.top && middleAcross >= control.left
                       && middleAcross <= control.left + control.width;
    if (above && control.top - (label.top + label.height) <= nearEnough)
        return std::max(0.0f, control.top - (label.top + label.height));
    const bool leftOf = label.left < control.left && middleDown >= control.top
                        && middleDown <= control.top + control.height;
    if (leftOf && control.left - (label.left + label.width) <= nearEnough)
        return std::max(0.0f, control.left - (label.left + label.width));
    return std::nullopt;
}

const Placement* designatingLabel(std::initializer_list<Placement> rows, const Placement& control)
{
    const Placement* designating = nullptr;
    std::optional<float> nearest;
    for (const Placement& row : rows) {
        if (!dynamic_cast<const Label*>(row.control) || row.caption.isEmpty())
            continue;
        const std::optional<float> distance = designatingDistance(row, control);
        if (distance && (!nearest || *distance < *nearest)) {
            nearest = distance;
            designating = &row;
        }
    }
    return designating;
}

// On Linux the accessibility interface gives a combo box's text as its name and leaves
// its label to a "labelled by" relation, which a label has with the widget it is the
// buddy of; so a combo box gets both.
void nameAfter(const Placement* label, QWidget& widget)
{
    if (!label)
        return;
    widget.setAccessibleName(label->caption);
    if (auto* comboBox = qobject_cast<QComboBox*>(&widget))
        static_cast<QLabel*>(label->control->widget())->setBuddy(comboBox);
}

}  // namespace

void AccessibleNames::nameControls(std::initializer_list<Placement> rows)
{
    for (const Placement& row : rows) {
        QWidget* widget = row.control->widget();
        if (!widget)
            continue;
        if (!row.attributes.accessibleName.isEmpty())
            widget->setAccessibleName(row.attributes.accessibleName);
        else if (showsNoCaption(row.control))
            nameAfter(designatingLabel(rows, row), *widget);
    }
}

}  // namespace runtime
