// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/textlist.h"
#include "runtime/forms/control.h"
#include "runtime/forms/event.h"
#include "runtime/forms/listorder.h"

#include <cstdint>

class QListView;

namespace runtime {

/// A list of texts numbered from 0; each entry can carry one 32-bit item number.
/// A sorted list adds each text in order, any other at the end; newIndex() is where the
/// last one went. With Selection::Multiple every click marks or unmarks an entry.
/// Every entry is one row, as tall as the others and as wide as the list; a longer text
/// is cut short with an ellipsis, and the list never scrolls sideways. The texts are kept
/// in a TextList, and a row shows at most the first displayLength characters of its text,
/// so a line of ten megabytes is shown and chosen as quickly as a short one.
///
/// Click is raised once for every click on an entry, the selected one included, for a
/// press on one entry dragged to another, and when the user moves the selection with the
/// keyboard. A double-click raises Click for its first click and DblClick for its second,
/// which may select but never clicks: an entry that slides under the pointer after the
/// first click is not clicked by the second. Changes made by the program raise neither.
///
/// A member given an index outside 0 to count() - 1, other than -1 for
/// setCurrentIndex(), raises error 381 (RuntimeError::InvalidPropertyArrayIndex) and
/// changes nothing.
class RUNTIME_EXPORT ListBox : public Control {
public:
    /// How many entries the user can select at once.
    enum class Selection {
        Single,   ///< One: a click selects the entry clicked in place of the one before.
        Multiple  ///< Any number: every click marks or unmarks the entry clicked.
    };
    /// Where a text added to the list goes (ListOrder).
    using Order = ListOrder;

    /// An empty list, which selects by `selection` and places the texts added by `order`.
    explicit ListBox(Selection selection = Selection::Single, Order order = Order::AsAdded);

    /// The most characters of an entry's text that its row shows.
    static constexpr qsizetype displayLength = 1000;

    /// Adds `text`, in order or at the end; newIndex() tells where.
    void addItem(const Text& text);
    /// Adds every text in one step, as addItem would one by one.
    void addItems(TextList texts);
    /// Removes the entry at `index`; when it was selected in a single-selection list,
    /// none is selected after it.
    void removeItem(int index);
    /// Removes every entry; newIndex() becomes -1.
    void clear();

    /// The number of entries.
    int count() const;
    /// The whole text of the entry at `index`, however much of it its row shows.
    Text item(int index) const;
    /// Where the last text added went; -1 before any has been, and after clear().
    int newIndex() const { return newIndex_; }

    /// The selected entry (the current one in a multiple-selection list); -1 for none.
    int currentIndex() const;
    /// Selects the entry at `index` alone and makes it current; -1 selects none.
    void setCurrentIndex(int index);
    /// The text of the current entry; the empty text when there is none.
    Text text() const;

    /// The item number of the entry at `index`; 0 until setItemNumber() gives it one.
    std::int32_t itemNumber(int index) const;
    /// Makes `number` the item number of the entry at `index`.
    void setItemNumber(int index, std::int32_t number);

    /// Whether the entry at `index` is selected.
    bool isSelected(int index) const;
    /// Selects the entry at `index`, or unselects it; the other entries stay as they are.
    void setSelected(int index, bool selected);

    /// The user clicked an entry or moved the selection with the keyboard.
    Event<> Click;
    /// The second click of a double-click on an entry.
    Event<> DblClick;

private:
    class Entries;
    class View;

    View* view() const;
    void checkIndex(int index) const;
    void addItem(const Text& text, std::int32_t number);
    template <typename Change>
    void changeQuietly(Change change);

    Entries* entries_;
    Order order_;
    int newIndex_ = -1;
    bool changingByProgram_ = false;
};

}  // namespace runtime
