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

}  // namespace runtime
