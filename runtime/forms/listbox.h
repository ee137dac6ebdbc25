#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/textlist.h"
#include "runtime/forms/control.h"
#include "runtime/forms/event.h"
#include "runtime/forms/listorder.h"

#include <cstdint>

class QListView;

namespace runtime {

// A list of texts numbered from 0; each entry can carry one 32-bit item number.
// A sorted list adds each text in order, any other at the end; newIndex() is where the
// last one went. With Selection::Multiple every click marks or unmarks an entry.
// Every entry is one row, as tall as the others and as wide as the list; a longer text
// is cut short with an ellipsis, and the list never scrolls sideways. The texts are kept
// in a TextList, and a row shows at most the first displayLength characters of its text,
// so a line of ten megabytes is shown and chosen as quickly as a short one.
//
// Click is raised once for every click on an entry, the selected one included, for a
// press on one entry dragged to another, and when the user moves the selection with the
// keyboard. A double-click raises Click for its first click and DblClick for its second,
// which may select but never clicks: an entry that slides under the pointer after the
// first click is not clicked by the second. Changes made by the program raise neither.
class RUNTIME_EXPORT ListBox : public Control {
public:
    enum class Selection { Single, Multiple };
    using Order = ListOrder;

    explicit ListBox(Selection selection = Selection::Single, Order order = Order::AsAdded);

    static constexpr qsizetype displayLength = 1000;

    void addItem(const Text& text);
    // Adds every text in one step, as addItem would one by one.
    void addItems(TextList texts);
    void removeItem(int index);
    void clear();

    int count() const;
    Text item(int index) const;
    int newIndex() const { return newIndex_; }

    // The selected entry (the current one in a multiple-selection list); -1 for none.
    int currentIndex() const;
    void setCurrentIndex(int index);
    // The text of the current entry; the empty text when there is none.
    Text text() const;

    std::int32_t itemNumber(int index) const;
    void setItemNumber(int index, std::int32_t number);

    bool isSelected(int index) const;
    void setSelected(int index, bool selected);

    Event<> Click;
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
