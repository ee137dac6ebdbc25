#pragma once

#include "runtime/base/error.h"

#include <cstdint>
#include <limits>

namespace runtime {

// A signed integer of a fixed width whose arithmetic raises the runtime's overflow
// error instead of wrapping: counters and positions that the programs keep in 16 bits
// (Short) and sums kept in 32 bits (Long) fail loudly at their limits.
template <typename Stored>
class CheckedInteger {
public:
    constexpr CheckedInteger() = default;
    constexpr CheckedInteger(long long value) : value_(narrow(value)) {}

    constexpr operator Stored() const { return value_; }
    constexpr Stored value() const { return value_; }

    constexpr CheckedInteger& operator+=(long long other) { value_ = narrow(wide(value_) + other); return *this; }
    constexpr CheckedInteger& operator-=(long long other) { value_ = narrow(wide(value_) - other); return *this; }
    constexpr CheckedInteger& operator++() { return *this += 1; }
    constexpr CheckedInteger& operator--() { return *this -= 1; }

private:
    static constexpr long long wide(Stored value) { return value; }
    static constexpr Stored narrow(long long value)
    {
        if (value < std::numeric_limits<Stored>::min() || value > std::numeric_limits<Stored>::max())
            raiseOverflow();
        return static_cast<Stored>(value);
    }

    Stored value_ = 0;
};

using Short = CheckedInteger<std::int16_t>;
using Long = CheckedInteger<std::int32_t>;

}  // namespace runtime
