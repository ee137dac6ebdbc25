#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QRadioButton;

namespace runtime {

// One of a group of exclusive choices: the option buttons inside one container exclude
// each other. None is chosen until the user or the program picks one.
class RUNTIME_EXPORT OptionButton : public Control {
public:
    OptionButton();

    Text caption() const;
    void setCaption(const Text& caption);
    Text shownText() const override { return caption(); }

    bool value() const;
    void setValue(bool chosen);

    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    QRadioButton* button() const;
};

}  // namespace runtime
