// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"
#include "runtime/forms/listorder.h"

#include <cstdint>

class QComboBox;

namespace runtime {

/// An editable text with a drop-down list. The list has the list box's names and meaning:
/// texts numbered from 0, each carrying one 32-bit item number; a sorted list adds each
/// text in order, any other at the end; newIndex() is where the last one went.
///
/// The text is what the user typed, chose or the program set. Changing the list never
/// changes it; choosing an entry, by the user or by setCurrentIndex(), shows that entry's
/// text, and typing leaves the current entry as it was.
///
/// Click is raised when the user picks an entry of the list. Changes made by the program
/// raise none.
///
/// A member given an index outside 0 to count() - 1, other than -1 for
/// setCurrentIndex(), raises error 381 (RuntimeError::InvalidPropertyArrayIndex) and
/// changes nothing.
class RUNTIME_EXPORT ComboBox : public Control {
public:
    /// Where a text added to the list goes (ListOrder).
    using Order = ListOrder;

    /// An empty box with an empty list, which places the texts added to it by `order`.
    explicit ComboBox(Order order = Order::AsAdded);

    /// The text in the box.
    Text text() const;
    /// Shows `text` in the box; the current entry stays as it was.
    void setText(const Text& text);

    /// Adds `text` to the list, in order or at the end; newIndex() tells where. The text
    /// in the box and the current entry stay as they were.
    void addItem(const Text& text);
    /// Removes the entry at `index`. The text in the box stays; when the entry was the
    /// current one, none is current after it.
    void removeItem(int index);
    /// Empties the list; the text in the box stays, and newIndex() becomes -1.
    void clear();
    /// The number of entries in the list.
    int count() const;
    /// The text of the entry at `index`.
    Text item(int index) const;
    /// Where the last text added went; -1 before any has been, and after clear().
    int newIndex() const { return newIndex_; }

    /// The entry last chosen; -1 for none, which shows the empty text when chosen.
    int currentIndex() const;
    /// Chooses the entry at `index`, or none for -1, and shows its text.
    void setCurrentIndex(int index);

    /// The item number of the entry at `index`; 0 until setItemNumber() gives it one.
    std::int32_t itemNumber(int index) const;
    /// Makes `number` the item number of the entry at `index`.
    void setItemNumber(int index, std::int32_t number);

    /// Raised when the user picks an entry of the list.
    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    QComboBox* combo() const;
    void checkIndex(int index) const;

    Order order_;
    int newIndex_ = -1;
};

}  // namespace runtime
