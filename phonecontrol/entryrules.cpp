// SPDX-License-Identifier: LGPL-2.1-or-later
#include "entryrules.h"

using runtime::Text;

namespace {

const Text onlyNumbers = QStringLiteral("only numbers are allowed");
const Text refusedExchange = QStringLiteral("555");

bool isDigit(std::int16_t keyAscii)
{
    return keyAscii >= '0' && keyAscii <= '9';
}

// Every key press first turns a counter of 0 into 1: a counter of 1 thus means that no
// digit has been counted since the box last handed the focus on by itself.
void startCounting(runtime::Short& counter)
{
    if (counter == 0)
        counter = 1;
}

}  // namespace

KeyReaction EntryRules::areaKey(std::int16_t keyAscii)
{
    startCounting(areacount_);
    if (keyAscii == backspace) {
        --areacount_;
        return {};
    }
    if (!isDigit(keyAscii))
        return {.message = onlyNumbers, .selectAt = areacount_ - 1, .focus = PhonePart::Area, .discard = true};
    ++areacount_;
    if (areacount_ > 3) {
        areacount_ = 1;
        return {.focus = PhonePart::Exchange};
    }
    return {};
}

KeyReaction EntryRules::exchangeKey(std::int16_t keyAscii, const Text& exchangeText)
{
    startCounting(exchcount_);
    if (keyAscii == backspace) {
        --exchcount_;
        return {};
    }
    if (!isDigit(keyAscii))
        return {.message = onlyNumbers, .focus = PhonePart::Exchange, .discard = true};
    if (exchcount_ < 3) {
        ++exchcount_;
        return {};
    }
    // The third counted digit: the exchange is checked as it would stand with it.
    const Text candidate = exchangeText + QChar(static_cast<char16_t>(keyAscii));
    exchcount_ = 1;
    if (candidate == refusedExchange) {
        return {.candidate = candidate,
                .message = QStringLiteral("Exchange can not be 555"),
                .emptyBox = true,
                .focus = PhonePart::Exchange,
                .discard = true};
    }
    return {.focus = PhonePart::Line};
}

KeyReaction EntryRules::lineKey(std::int16_t keyAscii)
{
    startCounting(linecount_);
    if (keyAscii == backspace) {
        --linecount_;
        return {};
    }
    if (!isDigit(keyAscii))
        return {.message = onlyNumbers, .selectAt = linecount_ - 1, .focus = PhonePart::Line, .discard = true};
    ++linecount_;
    if (linecount_ > 4) {
        linecount_ = 1;
        return {.focus = PhonePart::Done};
    }
    return {};
}

std::optional<MissingPart> EntryRules::firstMissing(const Text& area, const Text& exchange, const Text& line)
{
    if (area.isEmpty())
        return MissingPart{QStringLiteral("area code is required"), PhonePart::Area};
    if (exchange.isEmpty())
        return MissingPart{QStringLiteral("exchange is required"), PhonePart::Exchange};
    if (line.isEmpty())
        return MissingPart{QStringLiteral("line number is required"), PhonePart::Line};
    return std::nullopt;
}

Text EntryRules::stdformat(const Text& area, const Text& exchange, const Text& line)
{
    return u'(' + area + u')' + u' ' + exchange + u'-' + line;
}

Text EntryRules::trendformat(const Text& area, const Text& exchange, const Text& line)
{
    return area + u'.' + exchange + u'.' + line;
}
