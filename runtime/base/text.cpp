// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/text.h"

#include <QLocale>

namespace runtime {

QStringList split(const Text& text, const Text& delimiter)
{
    if (text.isEmpty())
        return {};
    return text.split(delimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

namespace {

enum class Case { Upper, Lower };

// Converts one character at a time, leaving lone surrogates as they are: they stand for
// bytes of a file that were not UTF-8, and must be written back unchanged.
void convert(Text& text, qsizetype at, Case wanted)
{
    const QChar character = text[at];
    if (character.isSurrogate()) {
        if (!character.isHighSurrogate() || at + 1 >= text.size() || !text[at + 1].isLowSurrogate())
            return;
        const char32_t codePoint = QChar::surrogateToUcs4(character, text[at + 1]);
        const char32_t converted = wanted == Case::Upper ? QChar::toUpper(codePoint) : QChar::toLower(codePoint);
        text[at] = QChar(QChar::highSurrogate(converted));
        text[at + 1] = QChar(QChar::lowSurrogate(converted));
        return;
    }
    text[at] = wanted == Case::Upper ? character.toUpper() : character.toLower();
}

Text converted(const Text& text, Case wanted)
{
    Text result = text;
    for (qsizetype at = 0; at < result.size(); ++at) {
        convert(result, at, wanted);
        if (result[at].isHighSurrogate())
            ++at;
    }
    return result;
}

}  // namespace

Text upperCase(const Text& text)
{
    return converted(text, Case::Upper);
}

Text lowerCase(const Text& text)
{
    return converted(text, Case::Lower);
}

static bool separatesWords(QChar character)
{
    switch (character.unicode()) {
    case u' ': case u'\t': case u'\n': case u'\v': case u'\f': case u'\r': case u'\0':
        return true;
    default:
        return false;
    }
}

Text properCase(const Text& text)
{
    Text result = text;
    bool atWordStart = true;
    for (qsizetype at = 0; at < result.size(); ++at) {
        if (separatesWords(result[at])) {
            atWordStart = true;
            continue;
        }
        convert(result, at, atWordStart ? Case::Upper : Case::Lower);
        atWordStart = false;
        if (result[at].isHighSurrogate())
            ++at;
    }
    return result;
}

Text formatCurrency(double amount)
{
    return QLocale().toCurrencyString(amount);
}

}  // namespace runtime
