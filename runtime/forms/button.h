#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QPushButton;

namespace runtime {

// A command button. Click is raised by the mouse, and by Space or Enter while the
// button has the focus. Its caption wraps at spaces onto as many lines as its height
// holds, centred, below its picture if it has one. A flat button shows its border only
// while the pointer is on it or it is pressed.
class RUNTIME_EXPORT Button : public Control {
public:
    Button();

    Text caption() const;

    Text shownText() const override { return caption(); }
    void setCaption(const Text& caption);

    // Loads the picture from a file or a resource path (":/..."); one that cannot be read
    // raises the invalid picture error and leaves the button as it was.
    void setPicture(const Text& path);
    bool hasPicture() const;

    bool flat() const;
    void setFlat(bool flat);

    // Presses the button as the user would, raising Click.
    void press();

    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    void applyDesignAttributes(const Attributes& attributes) override;
    QPushButton* button() const;
};

}  // namespace runtime
