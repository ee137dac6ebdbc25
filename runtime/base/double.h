// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Double: a double whose arithmetic raises the runtime's errors.

#include "runtime/runtime_export.h"

namespace runtime {

/// A double whose arithmetic raises the runtime's errors where a double would go on with
/// an infinity or a NaN: a number other than 0 divided by 0 raises the division error, a
/// result too large for a double the overflow error, and 0 / 0 the invalid call error.
/// A Double never holds an infinity or a NaN, so making one of either raises too: an
/// infinity overflows, a NaN is an invalid call. A result too small to hold is no error:
/// it becomes 0 or the nearest subnormal number, as a double's does. An operation that
/// raises leaves the value as it was.
///
/// It converts from a double (and so from a plain integer), and back only through value(),
/// so that arithmetic with a Double on either side stays checked.
class RUNTIME_EXPORT Double {
public:
    /// Zero.
    constexpr Double() = default;
    /// `value` itself; an infinity raises Overflow, a NaN InvalidProcedureCall.
    Double(double value);

    /// The number as a plain double.
    constexpr double value() const { return value_; }

    /// Adds `other`; a sum too large for a double raises Overflow.
    Double& operator+=(Double other);
    /// Subtracts `other`; a difference too large for a double raises Overflow.
    Double& operator-=(Double other);
    /// Multiplies by `other`; a product too large for a double raises Overflow.
    Double& operator*=(Double other);
    /// Divides by `other`: by 0 it raises DivisionByZero, or InvalidProcedureCall for 0 / 0.
    Double& operator/=(Double other);

    /// The sum, checked as += checks it.
    friend Double operator+(Double left, Double right) { return left += right; }
    /// The difference, checked as -= checks it.
    friend Double operator-(Double left, Double right) { return left -= right; }
    /// The product, checked as *= checks it.
    friend Double operator*(Double left, Double right) { return left *= right; }
    /// The quotient, checked as /= checks it.
    friend Double operator/(Double left, Double right) { return left /= right; }

private:
    double value_ = 0;
};

}  // namespace runtime
