// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

#include <QMetaType>

// A design-time property's value as a form designer edits it and a form stores it: a
// Boolean as bool, a Short or a Long as int, a Double as double, a String as QString.
QMetaType propertyMetaType(runtime::ValueType type);

// Writes `value` into `storage`, an object of the property meta type of its kind; an
// Empty value, the answer of a control that could not be read, leaves it as it is.
void storePropertyValue(const runtime::Variant& value, void* storage);

// The value at `storage`, an object of the property meta type of `type`. A Short comes as
// a Long: writing it to the control checks that it fits.
runtime::Variant propertyValueAt(runtime::ValueType type, const void* storage);
