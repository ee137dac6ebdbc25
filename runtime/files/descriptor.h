#pragma once

#include <unistd.h>

#include <utility>

namespace runtime {

// An open file descriptor, closed when its owner goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }

    bool isOpen() const { return descriptor_ >= 0; }
    // Closes it now, for a caller that must know whether the last of its writes went
    // through: a network file system may only report a failed write here.
    bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace runtime
