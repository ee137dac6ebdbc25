// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Short and Long: signed integers of 16 and 32 bits whose arithmetic raises Overflow
/// instead of wrapping.

#include "runtime/base/error.h"

#include <concepts>
#include <cstdint>
#include <limits>

namespace runtime {

template <typename Stored>
class CheckedInteger;

namespace detail {
template <typename Type>
constexpr bool isCheckedInteger = false;
template <typename Stored>
constexpr bool isCheckedInteger<CheckedInteger<Stored>> = true;
}  // namespace detail

/// What checked arithmetic takes beside a checked integer: a plain integer or a checked one.
template <typename Operand>
concept IntegerOperand = std::integral<Operand> || detail::isCheckedInteger<Operand>;

/// A signed integer of a fixed width whose arithmetic raises the runtime's overflow
/// error instead of wrapping: counters and positions that the programs keep in 16 bits
/// (Short) and sums kept in 32 bits (Long) fail loudly at their limits. Division truncates
/// toward zero (-7 / 2 is -3, -7 % 2 is -1); by zero it raises the division error. The
/// one quotient beyond the width, the smallest value divided by -1, overflows; its
/// remainder is 0. A compound assignment that raises leaves the value as it was.
template <typename Stored>
class CheckedInteger {
public:
    /// Zero.
    constexpr CheckedInteger() = default;
    /// `value` itself; one beyond the width raises Overflow.
    constexpr CheckedInteger(long long value) : value_(narrow(value)) {}

    /// The number as a plain integer of its width.
    constexpr operator Stored() const { return value_; }
    /// The number as a plain integer of its width.
    constexpr Stored value() const { return value_; }

    /// Adds `other`; a sum beyond the width raises Overflow.
    constexpr CheckedInteger& operator+=(long long other) { value_ = narrow(wide(value_) + other); return *this; }
    /// Subtracts `other`; a difference beyond the width raises Overflow.
    constexpr CheckedInteger& operator-=(long long other) { value_ = narrow(wide(value_) - other); return *this; }
    /// Multiplies by `other`; a product beyond the width raises Overflow.
    constexpr CheckedInteger& operator*=(long long other) { value_ = narrow(wide(value_) * other); return *this; }
    /// Divides by `other`, truncating toward zero; by 0 it raises DivisionByZero.
    constexpr CheckedInteger& operator/=(long long other) { value_ = narrow(wide(value_) / divisor(other)); return *this; }
    /// The remainder of dividing by `other`, of the dividend's sign; by 0 it raises DivisionByZero.
    constexpr CheckedInteger& operator%=(long long other) { value_ = narrow(wide(value_) % divisor(other)); return *this; }
    /// Adds 1; past the largest value it raises Overflow.
    constexpr CheckedInteger& operator++() { return *this += 1; }
    /// Subtracts 1; below the smallest value it raises Overflow.
    constexpr CheckedInteger& operator--() { return *this -= 1; }

    /// \name Arithmetic with a checked integer on either side
    /// With a checked integer on the left, arithmetic stays checked and of its kind, whatever
    /// integer stands on the right: `a * b` of two Shorts is a Short, raising as `a *= b`
    /// does. A plain integer on the left is taken as one of the right's kind first, so one
    /// beyond its range overflows.
    ///@{

    /// The sum, checked as += checks it.
    template <IntegerOperand Right>
    friend constexpr CheckedInteger operator+(CheckedInteger left, Right right) { return left += right; }
    /// The difference, checked as -= checks it.
    template <IntegerOperand Right>
    friend constexpr CheckedInteger operator-(CheckedInteger left, Right right) { return left -= right; }
    /// The product, checked as *= checks it.
    template <IntegerOperand Right>
    friend constexpr CheckedInteger operator*(CheckedInteger left, Right right) { return left *= right; }
    /// The quotient, checked as /= checks it.
    template <IntegerOperand Right>
    friend constexpr CheckedInteger operator/(CheckedInteger left, Right right) { return left /= right; }
    /// The remainder, checked as %= checks it.
    template <IntegerOperand Right>
    friend constexpr CheckedInteger operator%(CheckedInteger left, Right right) { return left %= right; }
    /// The sum, `left` taken as a checked integer of this kind first.
    template <std::integral Left>
    friend constexpr CheckedInteger operator+(Left left, CheckedInteger right) { return CheckedInteger(left) += right; }
    /// The difference, `left` taken as a checked integer of this kind first.
    template <std::integral Left>
    friend constexpr CheckedInteger operator-(Left left, CheckedInteger right) { return CheckedInteger(left) -= right; }
    /// The product, `left` taken as a checked integer of this kind first.
    template <std::integral Left>
    friend constexpr CheckedInteger operator*(Left left, CheckedInteger right) { return CheckedInteger(left) *= right; }
    /// The quotient, `left` taken as a checked integer of this kind first.
    template <std::integral Left>
    friend constexpr CheckedInteger operator/(Left left, CheckedInteger right) { return CheckedInteger(left) /= right; }
    /// The remainder, `left` taken as a checked integer of this kind first.
    template <std::integral Left>
    friend constexpr CheckedInteger operator%(Left left, CheckedInteger right) { return CheckedInteger(left) %= right; }
    ///@}

private:
    // Holds the exact result of any value and any long long operand, which a long long
    // does not: 2 * 2^62 would wrap before it could be checked.
    __extension__ typedef __int128 Wide;

    static constexpr Wide wide(Stored value) { return value; }
    static constexpr Stored narrow(Wide value)
    {
        if (value < std::numeric_limits<Stored>::min() || value > std::numeric_limits<Stored>::max())
            raiseOverflow();
        return static_cast<Stored>(value);
    }
    static constexpr long long divisor(long long other)
    {
        if (other == 0)
            raiseDivisionByZero();
        return other;
    }

    Stored value_ = 0;
};

/// A checked 16-bit integer, from -32768 to 32767: counters and positions.
using Short = CheckedInteger<std::int16_t>;
/// A checked 32-bit integer, from -2147483648 to 2147483647: sums.
using Long = CheckedInteger<std::int32_t>;

}  // namespace runtime
