// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/keynames.h"

#include <algorithm>
#include <iterator>

namespace runtime::tools {
namespace {

struct NamedKey {
    QStringView name;
    int key;
    QStringView text;
};

// The keys named in words, with the text each types alone. Delete types nothing, as the
// toolkit's widgets expect of it.
constexpr NamedKey namedKeys[] = {
    {u"Left", Qt::Key_Left, u""},
    {u"Right", Qt::Key_Right, u""},
    {u"Up", Qt::Key_Up, u""},
    {u"Down", Qt::Key_Down, u""},
    {u"Home", Qt::Key_Home, u""},
    {u"End", Qt::Key_End, u""},
    {u"PageUp", Qt::Key_PageUp, u""},
    {u"PageDown", Qt::Key_PageDown, u""},
    {u"Insert", Qt::Key_Insert, u""},
    {u"Delete", Qt::Key_Delete, u""},
    {u"Backspace", Qt::Key_Backspace, u"\b"},
    {u"Tab", Qt::Key_Tab, u"\t"},
    {u"Return", Qt::Key_Return, u"\r"},
    {u"Enter", Qt::Key_Enter, u"\r"},
    {u"Escape", Qt::Key_Escape, u"\x1b"},
    {u"Space", Qt::Key_Space, u" "},
};

constexpr int functionKeys = 12;

const Text knownKeys = QStringLiteral(
    "Left, Right, Up, Down, Home, End, PageUp, PageDown, Insert, Delete, Backspace, Tab, Return, Enter, Escape, "
    "Space, F1\u2013F12, A\u2013Z, 0\u20139");

constexpr std::pair<QStringView, Qt::KeyboardModifier> modifierNames[] = {
    {u"Shift", Qt::ShiftModifier},
    {u"Ctrl", Qt::ControlModifier},
    {u"Alt", Qt::AltModifier},
};

constexpr std::pair<QStringView, Qt::MouseButton> buttonNames[] = {
    {u"Left", Qt::LeftButton},
    {u"Right", Qt::RightButton},
    {u"Middle", Qt::MiddleButton},
};

bool named(QStringView typed, QStringView name)
{
    return typed.compare(name, Qt::CaseInsensitive) == 0;
}

// The key alone, as it types without modifiers.
std::optional<KeyStroke> plainKeyOf(const Text& name)
{
    for (const NamedKey& key : namedKeys) {
        if (named(name, key.name))
            return KeyStroke{key.key, {}, key.text.toString()};
    }
    for (int number = 1; number <= functionKeys; ++number) {
        if (named(name, QStringLiteral("F%1").arg(number)))
            return KeyStroke{Qt::Key_F1 + number - 1, {}, {}};
    }
    if (name.size() != 1)
        return std::nullopt;
    const char16_t character = name[0].toLower().unicode();
    if (character >= u'a' && character <= u'z')
        return KeyStroke{Qt::Key_A + (character - u'a'), {}, Text(QChar(character))};
    if (character >= u'0' && character <= u'9')
        return KeyStroke{Qt::Key_0 + (character - u'0'), {}, Text(QChar(character))};
    return std::nullopt;
}

std::optional<Qt::KeyboardModifiers> modifiersOf(const QStringList& names, Text& fault)
{
    Qt::KeyboardModifiers modifiers;
    for (const Text& name : names) {
        const auto modifier = std::find_if(std::begin(modifierNames), std::end(modifierNames),
                                           [&](const auto& row) { return named(name, row.first); });
        if (modifier == std::end(modifierNames)) {
            fault = QStringLiteral("%1 is no modifier (Shift, Ctrl, Alt)").arg(name);
            return std::nullopt;
        }
        modifiers |= modifier->second;
    }
    return modifiers;
}

std::optional<Qt::MouseButton> buttonOf(const Text& name)
{
    for (const auto& [buttonName, button] : buttonNames) {
        if (named(name, buttonName))
            return button;
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyStroke> keyStrokeOf(const Text& typed, Text& fault)
{
    QStringList parts = typed.split(u'+');
    const Text name = parts.takeLast();
    const std::optional<Qt::KeyboardModifiers> modifiers = modifiersOf(parts, fault);
    if (!modifiers)
        return std::nullopt;
    std::optional<KeyStroke> stroke = plainKeyOf(name);
    if (!stroke) {
        fault = name.isEmpty() ? QStringLiteral("no key is named (%1)").arg(knownKeys)
                               : QStringLiteral("%1 is no key this script knows (%2)").arg(name, knownKeys);
        return std::nullopt;
    }
    stroke->modifiers = *modifiers;
    const bool letter = stroke->key >= Qt::Key_A && stroke->key <= Qt::Key_Z;
    if (letter && (*modifiers & Qt::ControlModifier))
        stroke->text = QChar(stroke->key - Qt::Key_A + 1);
    else if (letter && (*modifiers & Qt::ShiftModifier))
        stroke->text = stroke->text.toUpper();
    if (stroke->key == Qt::Key_Tab && (*modifiers & Qt::ShiftModifier))
        *stroke = {Qt::Key_Backtab, *modifiers, {}};
    if (stroke->key == Qt::Key_Enter)
        stroke->modifiers |= Qt::KeypadModifier;
    return stroke;
}

std::optional<MouseChord> mouseChordOf(const QStringList& words, ButtonWord buttonWord, Text& fault)
{
    MouseChord chord;
    qsizetype next = 0;
    if (buttonWord == ButtonWord::Taken && !words.isEmpty()) {
        if (const std::optional<Qt::MouseButton> button = buttonOf(words.front())) {
            chord.button = *button;
            ++next;
        }
    }
    if (next < words.size()) {
        const std::optional<Qt::KeyboardModifiers> modifiers = modifiersOf(words[next].split(u'+'), fault);
        if (!modifiers) {
            // A lone word where a button may stand is either misspelt.
            if (buttonWord == ButtonWord::Taken && next == 0 && !words[next].contains(u'+'))
                fault = QStringLiteral("%1 is no button (Left, Right, Middle) nor modifier (Shift, Ctrl, Alt)")
                            .arg(words[next]);
            return std::nullopt;
        }
        chord.modifiers = *modifiers;
        ++next;
    }
    if (next < words.size()) {
        fault = QStringLiteral("%1 is a word too many: modifiers are joined by + (Shift+Ctrl)").arg(words[next]);
        return std::nullopt;
    }
    return chord;
}

Text buttonName(Qt::MouseButton button)
{
    for (const auto& [name, namedButton] : buttonNames) {
        if (namedButton == button)
            return name.toString();
    }
    return {};
}

}  // namespace runtime::tools
