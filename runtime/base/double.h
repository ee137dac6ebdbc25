#pragma once

#include "runtime/runtime_export.h"

namespace runtime {

// A double whose arithmetic raises the runtime's errors where a double would go on with
// an infinity or a NaN: a number other than 0 divided by 0 raises the division error, a
// result too large for a double the overflow error, and 0 / 0 the invalid call error.
// A Double never holds an infinity or a NaN, so making one of either raises too: an
// infinity overflows, a NaN is an invalid call. A result too small to hold is no error:
// it becomes 0 or the nearest subnormal number, as a double's does. An operation that
// raises leaves the value as it was.
//
// It converts from a double (and so from a plain integer), and back only through value(),
// so that arithmetic with a Double on either side stays checked.
class RUNTIME_EXPORT Double {
public:
    constexpr Double() = default;
    Double(double value);

    constexpr double value() const { return value_; }

    Double& operator+=(Double other);
    Double& operator-=(Double other);
    Double& operator*=(Double other);
    Double& operator/=(Double other);

    friend Double operator+(Double left, Double right) { return left += right; }
    friend Double operator-(Double left, Double right) { return left -= right; }
    friend Double operator*(Double left, Double right) { return left *= right; }
    friend Double operator/(Double left, Double right) { return left /= right; }

private:
    double value_ = 0;
};

}  // namespace runtime
