// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/variant.h"

#include "runtime/base/error.h"

#include <cmath>
#include <limits>

namespace runtime {
namespace {

[[noreturn]] void raiseTypeMismatch()
{
    throw RuntimeError(RuntimeError::TypeMismatch, QStringLiteral("Type mismatch"));
}

template <typename Integer>
Integer integerFrom(double value)
{
    if (!std::isfinite(value) || value != std::trunc(value) || value < std::numeric_limits<Integer>::min()
        || value > std::numeric_limits<Integer>::max())
        raiseOverflow();
    return static_cast<Integer>(value);
}

}  // namespace

Text typeName(ValueType type)
{
    switch (type) {
    case ValueType::Empty: return QStringLiteral("Empty");
    case ValueType::Boolean: return QStringLiteral("Boolean");
    case ValueType::Short: return QStringLiteral("Short");
    case ValueType::Long: return QStringLiteral("Long");
    case ValueType::Double: return QStringLiteral("Double");
    case ValueType::String: return QStringLiteral("String");
    }
    return {};
}

bool Variant::toBoolean() const
{
    if (type() != ValueType::Boolean)
        raiseTypeMismatch();
    return std::get<bool>(value_);
}

double Variant::toDouble() const
{
    switch (type()) {
    case ValueType::Short: return std::get<std::int16_t>(value_);
    case ValueType::Long: return std::get<std::int32_t>(value_);
    case ValueType::Double: return std::get<double>(value_);
    default: raiseTypeMismatch();
    }
}

std::int16_t Variant::toShort() const
{
    return integerFrom<std::int16_t>(toDouble());
}

std::int32_t Variant::toLong() const
{
    return integerFrom<std::int32_t>(toDouble());
}

Text Variant::toText() const
{
    switch (type()) {
    case ValueType::Empty: return {};
    case ValueType::Boolean: return std::get<bool>(value_) ? QStringLiteral("True") : QStringLiteral("False");
    case ValueType::Short: return QString::number(std::get<std::int16_t>(value_));
    case ValueType::Long: return QString::number(std::get<std::int32_t>(value_));
    case ValueType::Double: return QString::number(std::get<double>(value_), 'g', 15);
    case ValueType::String: return std::get<Text>(value_);
    }
    return {};
}

Variant Variant::convertedTo(ValueType target) const
{
    switch (target) {
    case ValueType::Empty:
        if (!isEmpty())
            raiseTypeMismatch();
        return {};
    case ValueType::Boolean: return toBoolean();
    case ValueType::Short: return toShort();
    case ValueType::Long: return toLong();
    case ValueType::Double: return toDouble();
    case ValueType::String:
        if (type() != ValueType::String)
            raiseTypeMismatch();
        return *this;
    }
    return {};
}

Text Variant::literal() const
{
    switch (type()) {
    case ValueType::Empty: return QStringLiteral("Empty");
    case ValueType::String: {
        Text quoted = std::get<Text>(value_);
        return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    case ValueType::Double: {
        // A whole number keeps a point so that it reads back as a Double.
        const Text digits = toText();
        const bool looksWhole = !digits.contains(u'.') && !digits.contains(u'e') && !digits.contains(u'n');
        return looksWhole ? digits + QStringLiteral(".0") : digits;
    }
    default: return toText();
    }
}

}  // namespace runtime
