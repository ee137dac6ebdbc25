#include "runtime/base/text.h"

#include <QLocale>

namespace runtime {

QStringList split(const Text& text, const Text& delimiter)
{
    if (text.isEmpty())
        return {};
    return text.split(delimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

Text upperCase(const Text& text)
{
    return text.toUpper();
}

Text lowerCase(const Text& text)
{
    return text.toLower();
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
    Text result = text.toLower();
    bool atWordStart = true;
    for (QChar& character : result) {
        if (separatesWords(character)) {
            atWordStart = true;
        } else if (atWordStart) {
            character = character.toUpper();
            atWordStart = false;
        }
    }
    return result;
}

Text formatCurrency(double amount)
{
    return QLocale().toCurrencyString(amount);
}

}  // namespace runtime
