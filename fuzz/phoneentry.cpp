// SPDX-License-Identifier: LGPL-2.1-or-later
// The phone control's entry rules, driven by key presses.
//
// The input is a sequence of key codes, two bytes each, as KeyPress hands them over
// (a character, Backspace 8, Return 13, Escape 27). Each goes to the box with the focus,
// and the control applies the rules' reaction as phonectrl::react does: candidate text,
// emptied box, selection, focus, and the key landing in the box that received it unless
// discarded. The boxes are modelled as single-line editors: a caret, an optional
// selection that a typed character replaces, Backspace taking the selection or the
// character before the caret. Once the focus reaches Done, the keys reach no box.
//
// Property, after every key: the boxes hold digits only, the area code at most 3, the
// exchange at most 3 and the line at most 4, and the exchange box never holds "555".

#include "fuzzing.h"

#include "entryrules.h"

#include <algorithm>

namespace {

using runtime::Text;

// A single-line editor's text, caret and selection, as the control's boxes behave.
struct Box {
    Text text;
    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;

    void setText(const Text& newText)
    {
        text = newText;
        caret = int(text.size());
        selectionLength = 0;
    }
    // TextBox::setSelStart then setSelLength(1).
    void selectOneAt(int start)
    {
        caret = std::clamp(start, 0, int(text.size()));
        selectionStart = caret;
        selectionLength = std::min(1, int(text.size()) - caret);
        caret += selectionLength;
    }
    void takeSelection()
    {
        text.remove(selectionStart, selectionLength);
        caret = selectionStart;
        selectionLength = 0;
    }
    void land(std::int16_t keyAscii)
    {
        if (keyAscii == EntryRules::backspace) {
            if (selectionLength > 0)
                takeSelection();
            else if (caret > 0)
                text.remove(--caret, 1);
            return;
        }
        if (selectionLength > 0)
            takeSelection();
        text.insert(caret++, QChar(static_cast<char16_t>(keyAscii)));
    }
};

bool digitsOnly(const Text& text, qsizetype longest)
{
    return text.size() <= longest && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EntryRules rules;
    Box area;
    Box exchange;
    Box line;
    PhonePart focus = PhonePart::Area;
    for (std::size_t at = 0; at + 1 < size && focus != PhonePart::Done; at += 2) {
        std::int16_t keyAscii = static_cast<std::int16_t>(data[at] | data[at + 1] << 8);
        if (keyAscii == 0)
            continue;  // no key raises KeyPress with code 0
        Box& box = focus == PhonePart::Area ? area : focus == PhonePart::Exchange ? exchange : line;
        const KeyReaction reaction = focus == PhonePart::Area       ? rules.areaKey(keyAscii)
                                   : focus == PhonePart::Exchange ? rules.exchangeKey(keyAscii, exchange.text)
                                                                  : rules.lineKey(keyAscii);
        if (!reaction.candidate.isEmpty())
            box.setText(reaction.candidate);
        if (reaction.emptyBox)
            box.setText({});
        if (reaction.selectAt)
            box.selectOneAt(*reaction.selectAt);
        if (reaction.focus)
            focus = *reaction.focus;
        if (reaction.discard)
            keyAscii = 0;
        // Only a character or Backspace changes a single-line box; Return and Escape do not.
        if (keyAscii != 0 && keyAscii != 13 && keyAscii != 27)
            box.land(keyAscii);

        fuzzing::require(digitsOnly(area.text, 3), "the area code holds at most 3 digits");
        fuzzing::require(digitsOnly(exchange.text, 3), "the exchange holds at most 3 digits");
        fuzzing::require(digitsOnly(line.text, 4), "the line number holds at most 4 digits");
        fuzzing::require(exchange.text != QStringLiteral("555"), "the exchange never holds 555");
    }
    return 0;
}
