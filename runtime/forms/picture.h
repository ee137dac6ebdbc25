#pragma once

#include "runtime/forms/control.h"

namespace runtime {

// An image shown at its natural size, cut off where it leaves the window.
class Picture : public Control {
public:
    Picture();

    // Loads the image from a file or a resource path (":/...") and resizes the
    // control to the image.
    void setPicture(const Text& path);
    bool hasPicture() const;
};

}  // namespace runtime
