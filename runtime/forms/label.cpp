// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/label.h"

#include "runtime/forms/qtalignment_p.h"

#include <QLabel>

namespace runtime {

Label::Label() : Control(new QLabel)
{
    label()->setWordWrap(true);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label()->setTextFormat(Qt::PlainText);
}

QLabel* Label::label() const
{
    return static_cast<QLabel*>(widget());
}

Text Label::caption() const
{
    return label()->text();
}

void Label::setCaption(const Text& caption)
{
    label()->setText(caption);
}

void Label::setDesignAlignment(Alignment alignment)
{
    label()->setAlignment(toQtAlignment(alignment) | Qt::AlignTop);
}

}  // namespace runtime
