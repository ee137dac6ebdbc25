// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <memory>

class QImage;

namespace runtime {

/// A picture read once from a file or a resource path (":/...") and drawn as often as a
/// control paints. Copies share the picture.
class RUNTIME_EXPORT Image {
public:
    /// Reads the picture at `path`, a file or a resource path (":/..."). Raises the invalid
    /// picture error (481, RuntimeError::InvalidPicture) when the file cannot be read as a
    /// picture.
    explicit Image(const Text& path);

    /// The natural width in twips: 15 to each pixel of the picture.
    float width() const;
    /// The natural height in twips.
    float height() const;

    /// The picture as the toolkit holds it, for the runtime's own drawing.
    const QImage& toolkitImage() const { return *image_; }

private:
    std::shared_ptr<const QImage> image_;
};

}  // namespace runtime
