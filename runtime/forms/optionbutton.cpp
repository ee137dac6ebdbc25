// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/optionbutton.h"

#include <QRadioButton>

namespace runtime {

OptionButton::OptionButton() : Control(new QRadioButton)
{
    QObject::connect(button(), &QRadioButton::clicked, [this] { Click.raise(); });
}

QRadioButton* OptionButton::button() const
{
    return static_cast<QRadioButton*>(widget());
}

Text OptionButton::caption() const
{
    return button()->text();
}

void OptionButton::setCaption(const Text& caption)
{
    button()->setText(caption);
}

bool OptionButton::value() const
{
    return button()->isChecked();
}

void OptionButton::setValue(bool chosen)
{
    button()->setChecked(chosen);
}

}  // namespace runtime
