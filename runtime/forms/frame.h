#pragma once

#include "runtime/forms/control.h"

namespace runtime {

// A captioned border that holds other controls; their positions are relative to it.
class Frame : public Control {
public:
    Frame();

    Text caption() const;
    void setCaption(const Text& caption);

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
};

}  // namespace runtime
