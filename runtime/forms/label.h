#pragma once

#include "runtime/forms/control.h"

class QLabel;

namespace runtime {

// A caption the user cannot edit; the text wraps inside the label's width.
class Label : public Control {
public:
    Label();

    Text caption() const;

    Text shownText() const override { return caption(); }
    void setCaption(const Text& caption);

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    void setDesignAlignment(Alignment alignment) override;
    QLabel* label() const;
};

}  // namespace runtime
