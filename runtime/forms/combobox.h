#pragma once

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QComboBox;

namespace runtime {

// An editable text with a drop-down list. Adding to the list never changes the text:
// the text is what the user typed, chose or the program set.
class ComboBox : public Control {
public:
    ComboBox();

    Text text() const;
    void setText(const Text& text);

    void addItem(const Text& text);
    void removeItem(int index);
    void clear();
    int count() const;
    Text item(int index) const;
    int newIndex() const { return newIndex_; }

    // Raised when the user picks an entry of the list.
    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    QComboBox* combo() const;
    void checkIndex(int index) const;

    int newIndex_ = -1;
};

}  // namespace runtime
