#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <memory>

class QImage;

namespace runtime {

// A picture read once from a file or a resource path (":/...") and drawn as often as a
// control paints. Copies share the picture.
class RUNTIME_EXPORT Image {
public:
    // Raises the invalid picture error when the file cannot be read as a picture.
    explicit Image(const Text& path);

    // The natural size in twips.
    float width() const;
    float height() const;

    const QImage& toolkitImage() const { return *image_; }

private:
    std::shared_ptr<const QImage> image_;
};

}  // namespace runtime
