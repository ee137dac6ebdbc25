#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

namespace runtime {

// An image shown at its natural size, cut off where it leaves the window. A click on it
// raises Click, a double-click DblClick.
class RUNTIME_EXPORT Picture : public Control {
public:
    Picture();

    // Loads the image from a file or a resource path (":/...") and resizes the
    // control to the image.
    void setPicture(const Text& path);
    bool hasPicture() const;

    Event<> Click;
    Event<> DblClick;

private:
    void mouseClicked() override { Click.raise(); }
    void mouseDoubleClicked() override { DblClick.raise(); }
};

}  // namespace runtime
