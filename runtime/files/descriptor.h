// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Descriptor: an open file descriptor that closes itself.

#include <unistd.h>

#include <utility>

namespace runtime {

/// An open file descriptor, closed when its owner goes.
class Descriptor {
public:
    /// Owns `descriptor`, as open() returned it: -1, a failed open, owns nothing.
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    /// Takes `other`'s descriptor over, leaving it owning nothing.
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    /// Trades descriptors with `other`, which closes this one's old descriptor when it goes.
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    /// Closes the descriptor it owns, if any.
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }

    /// True while it owns a descriptor.
    bool isOpen() const { return descriptor_ >= 0; }
    /// Closes it now, for a caller that must know whether the last of its writes went
    /// through: a network file system may only report a failed write here.
    bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }
    /// The descriptor itself, still owned, for the system's calls; -1 for none.
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace runtime
