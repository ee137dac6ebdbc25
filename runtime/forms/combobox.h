#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"
#include "runtime/forms/listorder.h"

#include <cstdint>

class QComboBox;

namespace runtime {

// An editable text with a drop-down list. The list has the list box's names and meaning:
// texts numbered from 0, each carrying one 32-bit item number; a sorted list adds each
// text in order, any other at the end; newIndex() is where the last one went.
//
// The text is what the user typed, chose or the program set. Changing the list never
// changes it; choosing an entry, by the user or by setCurrentIndex(), shows that entry's
// text, and typing leaves the current entry as it was.
//
// Click is raised when the user picks an entry of the list. Changes made by the program
// raise none.
class RUNTIME_EXPORT ComboBox : public Control {
public:
    using Order = ListOrder;

    explicit ComboBox(Order order = Order::AsAdded);

    Text text() const;
    void setText(const Text& text);

    void addItem(const Text& text);
    void removeItem(int index);
    void clear();
    int count() const;
    Text item(int index) const;
    int newIndex() const { return newIndex_; }

    // The entry last chosen; -1 for none, which shows the empty text when chosen.
    int currentIndex() const;
    void setCurrentIndex(int index);

    std::int32_t itemNumber(int index) const;
    void setItemNumber(int index, std::int32_t number);

    // Raised when the user picks an entry of the list.
    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    QComboBox* combo() const;
    void checkIndex(int index) const;

    Order order_;
    int newIndex_ = -1;
};

}  // namespace runtime
