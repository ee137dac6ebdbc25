// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/combobox.h"

#include "runtime/base/error.h"

#include <QComboBox>

namespace runtime {

ComboBox::ComboBox(Order order) : Control(new QComboBox), order_(order)
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
    const int position = order_ == Order::Sorted ? sortedPosition(*this, text) : count();
    // Qt makes the first entry of an empty list current, which would replace the text:
    // an added entry is never chosen.
    const Text shown = this->text();
    const bool noneChosen = currentIndex() == -1;
    combo()->insertItem(position, text);
    if (noneChosen && currentIndex() != -1)
        combo()->setCurrentIndex(-1);
    setText(shown);
    newIndex_ = position;
}

void ComboBox::removeItem(int index)
{
    checkIndex(index);
    // Qt makes a neighbour of a removed current entry current, and shows its text.
    const Text shown = text();
    const bool wasChosen = index == currentIndex();
    combo()->removeItem(index);
    if (wasChosen)
        combo()->setCurrentIndex(-1);
    setText(shown);
}

void ComboBox::clear()
{
    // Qt empties the text with the list when an entry is chosen.
    const Text shown = text();
    combo()->clear();
    setText(shown);
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

int ComboBox::currentIndex() const
{
    return combo()->currentIndex();
}

void ComboBox::setCurrentIndex(int index)
{
    if (index != -1)
        checkIndex(index);
    combo()->setCurrentIndex(index);
}

std::int32_t ComboBox::itemNumber(int index) const
{
    checkIndex(index);
    return combo()->itemData(index).toInt();
}

void ComboBox::setItemNumber(int index, std::int32_t number)
{
    checkIndex(index);
    combo()->setItemData(index, number);
}

}  // namespace runtime
