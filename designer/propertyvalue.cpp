// SPDX-License-Identifier: LGPL-2.1-or-later
#include "propertyvalue.h"

using runtime::ValueType;
using runtime::Variant;

QMetaType propertyMetaType(ValueType type)
{
    switch (type) {
    case ValueType::Boolean: return QMetaType::fromType<bool>();
    case ValueType::Short:
    case ValueType::Long: return QMetaType::fromType<int>();
    case ValueType::Double: return QMetaType::fromType<double>();
    case ValueType::String: return QMetaType::fromType<QString>();
    case ValueType::Empty: break;
    }
    return {};
}

void storePropertyValue(const Variant& value, void* storage)
{
    switch (value.type()) {
    case ValueType::Boolean: *static_cast<bool*>(storage) = value.toBoolean(); break;
    case ValueType::Short:
    case ValueType::Long: *static_cast<int*>(storage) = value.toLong(); break;
    case ValueType::Double: *static_cast<double*>(storage) = value.toDouble(); break;
    case ValueType::String: *static_cast<QString*>(storage) = value.toText(); break;
    case ValueType::Empty: break;
    }
}

Variant propertyValueAt(ValueType type, const void* storage)
{
    switch (type) {
    case ValueType::Boolean: return *static_cast<const bool*>(storage);
    case ValueType::Short:
    case ValueType::Long: return std::int32_t{*static_cast<const int*>(storage)};
    case ValueType::Double: return *static_cast<const double*>(storage);
    case ValueType::String: return *static_cast<const QString*>(storage);
    case ValueType::Empty: break;
    }
    return {};
}
