// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/error.h"

#include <QString>

namespace runtime::testing {

// The number of the runtime error a statement raises, or 0 when it raises none: a table
// row names the error it expects, or none, as one number.
template <typename Statement>
int raisedNumber(Statement statement)
{
    try {
        statement();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// The text of the runtime error a statement raises, or "<no error>" when it raises none.
template <typename Statement>
QString raisedText(Statement statement)
{
    try {
        statement();
    } catch (const RuntimeError& error) {
        return error.text();
    }
    return QStringLiteral("<no error>");
}

}  // namespace runtime::testing
