// SPDX-License-Identifier: LGPL-2.1-or-later
// Text file decoding and line splitting.
//
// Property, for any bytes B:
//  - encodeText(decodeText(B)) == B: decoding keeps every byte, valid UTF-8 or not;
//  - InputFile reads B as lines L1..Ln, none holding a line feed, and
//    encodeText(L1) + CR LF + ... + encodeText(Ln) + CR LF == B once every line end is
//    CR LF, where a line end is a LF with the CR right before it if there is one, and the
//    last line ends at the end of the file when no LF follows it (no line at all when B
//    is empty or ends with its LF). A CR anywhere else, a NUL, a BOM or invalid UTF-8
//    stays in its line as it was.

#include "fuzzing.h"

#include "runtime/files/encoding.h"
#include "runtime/files/textfile.h"

namespace {

// B with every line end made CR LF, as the property above says.
QByteArray withCrLfLineEnds(QByteArrayView bytes)
{
    QByteArray expected;
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineFeed = bytes.indexOf('\n', lineStart);
        qsizetype contentEnd = lineFeed == -1 ? bytes.size() : lineFeed;
        if (lineFeed != -1 && contentEnd > lineStart && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        expected += bytes.sliced(lineStart, contentEnd - lineStart);
        expected += "\r\n";
        lineStart = lineFeed == -1 ? bytes.size() : lineFeed + 1;
    }
    return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzzing::bytesOf(data, size);
    fuzzing::require(runtime::encodeText(runtime::decodeText(bytes)) == bytes, "decoding then encoding gives the bytes back");

    runtime::InputFile file(fuzzing::memoryFileWith(bytes));
    QByteArray rejoined;
    while (!file.atEnd()) {
        const runtime::Text line = file.readLine();
        fuzzing::require(!line.contains(u'\n'), "a line holds no line feed");
        rejoined += runtime::encodeText(line) + "\r\n";
    }
    fuzzing::require(rejoined == withCrLfLineEnds(bytes), "the lines rejoined with CR LF are the file with CR LF line ends");
    return 0;
}
