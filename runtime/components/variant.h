// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Variant, the one value that crosses between a host and a component control, and the
/// member identifiers by which a host reaches a control's members.

#include "runtime/runtime_export.h"

#include "runtime/base/integers.h"
#include "runtime/base/text.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace runtime {

/// The kinds of value that cross between a host and a component control: arguments and
/// results of calls by member identifier, and the arguments of events.
enum class ValueType {
    Empty,    ///< No value: a method's missing result, a new Variant.
    Boolean,  ///< True or False.
    Short,    ///< A 16-bit integer.
    Long,     ///< A 32-bit integer.
    Double,   ///< A double.
    String    ///< A Text.
};

/// The name of a kind as type information shows it ("String", "Long").
RUNTIME_EXPORT Text typeName(ValueType type);

/// One value of any of those kinds; a new one is Empty. A number converts to another kind
/// of number where its value fits (a fraction or a number out of range for an integer
/// raises Overflow); any other conversion raises Type mismatch, so that a host passing a
/// number where a control expects text hears of it. toText() alone takes any value.
class RUNTIME_EXPORT Variant {
public:
    /// Empty.
    Variant() = default;
    /// A Boolean.
    Variant(bool value) : value_(value) {}
    /// A Short.
    Variant(std::int16_t value) : value_(value) {}
    /// A Short.
    Variant(Short value) : value_(value.value()) {}
    /// A Long.
    Variant(std::int32_t value) : value_(value) {}
    /// A Long.
    Variant(Long value) : value_(value.value()) {}
    /// A Double.
    Variant(double value) : value_(value) {}
    /// A String.
    Variant(const Text& value) : value_(value) {}
    /// A String, from UTF-16: `u"text"`.
    Variant(const char16_t* value) : value_(Text::fromUtf16(value)) {}
    /// A String, from UTF-8. A literal would otherwise become a Boolean.
    Variant(const char* utf8) : value_(Text::fromUtf8(utf8)) {}

    /// The value's kind.
    ValueType type() const { return static_cast<ValueType>(value_.index()); }
    /// True for Empty.
    bool isEmpty() const { return type() == ValueType::Empty; }

    /// A Boolean's value; any other kind raises Type mismatch.
    bool toBoolean() const;
    /// The number as a Short, converted as above.
    std::int16_t toShort() const;
    /// The number as a Long, converted as above.
    std::int32_t toLong() const;
    /// The number as a Double, converted as above.
    double toDouble() const;
    /// Empty gives the empty text, a Boolean "True" or "False", a number its decimal digits.
    Text toText() const;

    /// The value converted to `type`; raises Type mismatch or Overflow as above. Empty
    /// converts to Empty only.
    Variant convertedTo(ValueType type) const;

    /// The value as a script writes it: "text" with "" for a quote, 42, 2.5, True, Empty.
    Text literal() const;

    /// Equal when of the same kind and the same value: the Short 1 is not the Long 1.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, Text> value_;
};

/// The arguments of a call by member identifier or of an event, in order.
using Arguments = std::vector<Variant>;

/// A member identifier: the number by which a host calls a member of a control late or
/// binds one of its events. A library declares its members' identifiers in one header of
/// its folder, which it shares with its hosts (phonecontrol/phonectrlmembers.h).
using MemberId = std::int32_t;

}  // namespace runtime
