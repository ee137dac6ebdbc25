// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/notation.h"

#include <charconv>
#include <cmath>

namespace runtime::tools {
namespace {

bool separates(QChar character)
{
    return character.isSpace() || character == u',';
}

// A quoted text from `position`, which is at its opening quote; moves past its closing one.
std::optional<Text> quotedText(const Text& typed, qsizetype& position)
{
    Text text;
    ++position;
    while (position < typed.size()) {
        const QChar character = typed[position++];
        if (character != u'"') {
            text += character;
        } else if (position < typed.size() && typed[position] == u'"') {
            text += u'"';
            ++position;
        } else {
            return text;
        }
    }
    return std::nullopt;
}

std::optional<Variant> valueOf(const Text& word)
{
    if (word == QStringLiteral("True"))
        return Variant(true);
    if (word == QStringLiteral("False"))
        return Variant(false);
    if (word == QStringLiteral("Empty"))
        return Variant();
    bool isNumber = false;
    if (word.endsWith(u'%')) {
        const int value = word.chopped(1).toInt(&isNumber);
        if (isNumber && value >= -32768 && value <= 32767)
            return Variant(static_cast<std::int16_t>(value));
        return std::nullopt;
    }
    if (!word.contains(u'.') && !word.contains(u'e') && !word.contains(u'E')) {
        const std::int32_t value = word.toInt(&isNumber);
        return isNumber ? std::optional<Variant>(Variant(value)) : std::nullopt;
    }
    const double value = word.toDouble(&isNumber);
    return isNumber ? std::optional<Variant>(Variant(value)) : std::nullopt;
}

}  // namespace

std::optional<Arguments> argumentsOf(const Text& typed, Text& fault)
{
    Arguments values;
    qsizetype position = 0;
    while (position < typed.size()) {
        if (separates(typed[position])) {
            ++position;
            continue;
        }
        if (typed[position] == u'"') {
            const std::optional<Text> text = quotedText(typed, position);
            if (!text) {
                fault = QStringLiteral("a text is not closed by a quote");
                return std::nullopt;
            }
            values.emplace_back(*text);
            continue;
        }
        Text word;
        while (position < typed.size() && !separates(typed[position]))
            word += typed[position++];
        const std::optional<Variant> value = valueOf(word);
        if (!value) {
            fault = QStringLiteral("%1 is no value (\"text\", 12, 12%, 1.5, True, False or Empty)").arg(word);
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

Text memberSignature(const components::MemberInfo& member)
{
    QStringList parameters;
    for (const components::ParameterInfo& parameter : member.parameters) {
        parameters.append(QStringLiteral("%1%2 As %3")
                              .arg(parameter.byReference ? QStringLiteral("ByRef ") : QString(), parameter.name,
                                   typeName(parameter.type)));
    }
    Text text = member.name;
    if (member.kind != components::MemberKind::Property)
        text += u'(' + parameters.join(QStringLiteral(", ")) + u')';
    if (member.result != ValueType::Empty)
        text += QStringLiteral(" As ") + typeName(member.result);
    return text;
}

std::optional<float> extentOf(const Text& typed)
{
    bool isNumber = false;
    const float value = typed.trimmed().toFloat(&isNumber);
    if (!isNumber || !std::isfinite(value) || value < 0 || value > largestExtent)
        return std::nullopt;
    return value;
}

Text twips(float value)
{
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, end - digits);
}

Text callOutcome(const Text& command, const components::CallResult& result, bool hasResult)
{
    if (!result.ok())
        return QStringLiteral("%1 -> error %2: %3").arg(command).arg(result.error).arg(result.errorText);
    return QStringLiteral("%1 -> %2").arg(command, hasResult ? result.value.literal() : QStringLiteral("ok"));
}

QStringList changedArguments(const Arguments& passed, const Arguments& after)
{
    QStringList lines;
    for (std::size_t index = 0; index < after.size() && index < passed.size(); ++index) {
        if (!(after[index] == passed[index]))
            lines.append(QStringLiteral("  argument %1 is now %2").arg(index + 1).arg(after[index].literal()));
    }
    return lines;
}

Text eventLine(const Text& name, const Arguments& values)
{
    QStringList texts;
    for (const Variant& value : values)
        texts.append(value.literal());
    return texts.isEmpty() ? QStringLiteral("event %1").arg(name)
                           : QStringLiteral("event %1 %2").arg(name, texts.join(QStringLiteral(", ")));
}

}  // namespace runtime::tools
