#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QLabel;

namespace runtime {

// A caption the user cannot edit; the text wraps inside the label's width. A click on it
// raises Click, a double-click DblClick.
class RUNTIME_EXPORT Label : public Control {
public:
    Label();

    Text caption() const;

    Text shownText() const override { return caption(); }
    void setCaption(const Text& caption);

    Event<> Click;
    Event<> DblClick;

private:
    void mouseClicked() override { Click.raise(); }
    void mouseDoubleClicked() override { DblClick.raise(); }
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    void setDesignAlignment(Alignment alignment) override;
    QLabel* label() const;
};

}  // namespace runtime
