// SPDX-License-Identifier: LGPL-2.1-or-later
// The script notation of the controls tool: script text and argument lists.
//
// Property, for any bytes as a script:
//  - decoding it gives text without any CR, or raises a RuntimeError exactly when the
//    bytes hold a NUL or are not valid UTF-8;
//  - each of its lines, read as an argument list, gives values or says what is wrong;
//  - the values, written as the tool shows them (literal) and read again, are the same
//    values: the same texts, booleans and Empty, the same numbers (a Short reads back as
//    a Long of the same value, since a shown Short has no "%"), and a Double reads back
//    as the Double the tool shows.

#include "fuzzing.h"

#include "runtime/base/error.h"
#include "runtime/tools/notation.h"
#include "runtime/tools/script.h"

#include <QStringDecoder>

#include <optional>

namespace {

using runtime::Text;
using runtime::Variant;
using runtime::ValueType;

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool readsBackAs(const Variant& shown, const Variant& read)
{
    if (shown.type() == ValueType::Short)
        return read.type() == ValueType::Long && read.toLong() == shown.toShort();
    if (shown.type() == ValueType::Double)
        return read.type() == ValueType::Double && read.literal() == shown.literal();
    return read == shown;
}

void checkArguments(const Text& line)
{
    Text fault;
    const std::optional<runtime::Arguments> values = runtime::tools::argumentsOf(line, fault);
    if (!values) {
        fuzzing::require(!fault.isEmpty(), "an argument list that does not read says why");
        return;
    }
    QStringList literals;
    for (const Variant& value : *values)
        literals.append(value.literal());
    Text againFault;
    const std::optional<runtime::Arguments> again = runtime::tools::argumentsOf(literals.join(QStringLiteral(", ")), againFault);
    fuzzing::require(again.has_value(), "the values as the tool shows them read again");
    fuzzing::require(again->size() == values->size(), "as many values read again");
    for (std::size_t index = 0; index < values->size(); ++index)
        fuzzing::require(readsBackAs((*values)[index], (*again)[index]), "each value reads back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size).toByteArray();
    Text script;
    try {
        script = runtime::tools::decodeScript(bytes, QStringLiteral("fuzz input"));
    } catch (const runtime::RuntimeError&) {
        fuzzing::require(bytes.contains('\0') || !isValidUtf8(bytes), "only a NUL or invalid UTF-8 refuses a script");
        return 0;
    }
    fuzzing::require(!bytes.contains('\0') && isValidUtf8(bytes), "a script with a NUL or invalid UTF-8 is refused");
    fuzzing::require(!script.contains(u'\r'), "a decoded script holds no CR");
    for (const Text& line : script.split(u'\n'))
        checkArguments(line);
    return 0;
}
