#pragma once

#include "runtime/base/text.h"

#include <QByteArray>

namespace runtime {

// Text files are UTF-8. A byte that is not part of valid UTF-8 is kept as the lone
// surrogate U+DC00 + byte, so a file in another encoding loads without any byte being
// replaced and is written back exactly as it was read.
Text decodeText(QByteArrayView bytes);
QByteArray encodeText(const Text& text);

}  // namespace runtime
