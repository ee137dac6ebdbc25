// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/double.h"

#include "runtime/base/error.h"

#include <cmath>

namespace runtime {

namespace {

// Operands are finite, so an infinite result is one beyond a double's range, and a NaN
// one with no value at all.
double checked(double value)
{
    if (std::isnan(value))
        raiseInvalidProcedureCall();
    if (std::isinf(value))
        raiseOverflow();
    return value;
}

}  // namespace

Double::Double(double value) : value_(checked(value)) {}

Double& Double::operator+=(Double other)
{
    value_ = checked(value_ + other.value_);
    return *this;
}

Double& Double::operator-=(Double other)
{
    value_ = checked(value_ - other.value_);
    return *this;
}

Double& Double::operator*=(Double other)
{
    value_ = checked(value_ * other.value_);
    return *this;
}

// A division by zero is never made: C++ leaves it undefined, and each of its two faults
// has an error of its own.
Double& Double::operator/=(Double other)
{
    if (other.value_ == 0) {
        if (value_ == 0)
            raiseInvalidProcedureCall();
        raiseDivisionByZero();
    }
    value_ = checked(value_ / other.value_);
    return *this;
}

}  // namespace runtime
