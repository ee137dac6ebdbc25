#pragma once

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QPushButton;

namespace runtime {

// A command button. Click is raised by the mouse, and by Space or Enter while the
// button has the focus. Its caption wraps at spaces onto as many lines as its height
// holds, centred.
class Button : public Control {
public:
    Button();

    Text caption() const;

    Text shownText() const override { return caption(); }
    void setCaption(const Text& caption);

    // Presses the button as the user would, raising Click.
    void press();

    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    QPushButton* button() const;
};

}  // namespace runtime
