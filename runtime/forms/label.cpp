#include "runtime/forms/label.h"

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
    const Qt::Alignment horizontal = alignment == Alignment::Centre ? Qt::AlignHCenter
        : alignment == Alignment::Right                            ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    label()->setAlignment(horizontal | Qt::AlignTop);
}

}  // namespace runtime
