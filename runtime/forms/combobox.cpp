#include "runtime/forms/combobox.h"

#include "runtime/base/error.h"

#include <QComboBox>

namespace runtime {

ComboBox::ComboBox() : Control(new QComboBox)
{
    combo()->setEditable(true);
    combo()->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo(), &QComboBox::activated, [this] { Click.raise(); });
}

QComboBox* ComboBox::combo() const
{
    return static_cast<QComboBox*>(widget());
}

void ComboBox::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError(RuntimeError::InvalidPropertyArrayIndex, QStringLiteral("Invalid property array index: %1").arg(index));
}

Text ComboBox::text() const
{
    return combo()->currentText();
}

void ComboBox::setText(const Text& text)
{
    combo()->setEditText(text);
}

void ComboBox::addItem(const Text& text)
{
    // Qt makes the first entry of an empty list current, which would replace the text.
    const Text shown = this->text();
    combo()->addItem(text);
    if (combo()->currentIndex() != -1 && combo()->itemText(combo()->currentIndex()) != shown)
        combo()->setCurrentIndex(-1);
    setText(shown);
    newIndex_ = count() - 1;
}

void ComboBox::removeItem(int index)
{
    checkIndex(index);
    const Text shown = text();
    combo()->removeItem(index);
    setText(shown);
}

void ComboBox::clear()
{
    combo()->clear();
    newIndex_ = -1;
}

int ComboBox::count() const
{
    return combo()->count();
}

Text ComboBox::item(int index) const
{
    checkIndex(index);
    return combo()->itemText(index);
}

}  // namespace runtime
