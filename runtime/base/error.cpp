// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"

namespace runtime {

RuntimeError::RuntimeError(int number, const QString& text)
    : std::runtime_error(text.toStdString()), number_(number), text_(text)
{
}

void raiseOverflow()
{
    throw RuntimeError(RuntimeError::Overflow, QStringLiteral("Overflow"));
}

void raiseDivisionByZero()
{
    throw RuntimeError(RuntimeError::DivisionByZero, QStringLiteral("Division by zero"));
}

void raiseInvalidProcedureCall()
{
    throw RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid procedure call"));
}

}  // namespace runtime
