// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/integers.h"
#include "runtime/base/text.h"

#include <cstdint>
#include <optional>

// The parts of the phone control that take the focus.
enum class PhonePart { Area, Exchange, Line, Done };

// What the control does after a key press in one of its boxes. The control applies it in
// this order: puts `candidate` into the box (when there is one), shows `message` (when
// there is one), empties the box (emptyBox), selects one character at selectAt, gives
// the focus to `focus`, and discards the key (discard) or lets it land in the box that
// received it, wherever the focus has gone.
struct KeyReaction {
    runtime::Text candidate = {};
    runtime::Text message = {};
    bool emptyBox = false;
    std::optional<int> selectAt = {};
    std::optional<PhonePart> focus = {};
    bool discard = false;
};

// A box that "Done" finds empty: the message and the part to give the focus.
struct MissingPart {
    runtime::Text message;
    PhonePart focus;
};

// The entry rules of the phone control, without any widget: which keys each box takes,
// when the focus moves on by itself, the refused exchange 555, the completeness test of
// "Done" and the two formats of the number.
//
// Each box has a 16-bit digit counter that follows key presses, not the box's text:
// pasting, the Delete key or moving the caret leave it alone, and it is never reset
// except by the rules below. Typing 3, 1, backspace, 1, 2 into a new area box leaves
// 312 and moves the focus on at the 2, since the backspace took the count back by one.
class EntryRules {
public:
    static constexpr std::int16_t backspace = 8;

    KeyReaction areaKey(std::int16_t keyAscii);
    // `exchangeText` is the text of the exchange box before the key lands.
    KeyReaction exchangeKey(std::int16_t keyAscii, const runtime::Text& exchangeText);
    KeyReaction lineKey(std::int16_t keyAscii);

    std::int16_t areacount() const { return areacount_; }
    std::int16_t exchcount() const { return exchcount_; }
    std::int16_t linecount() const { return linecount_; }

    // The first empty box in the order area, exchange, line, or none. Empty means the
    // empty text exactly: a box holding a space is filled.
    static std::optional<MissingPart> firstMissing(const runtime::Text& area, const runtime::Text& exchange,
                                                   const runtime::Text& line);

    // "(312) 447-1234" and "312.447.1234", from the texts exactly as they stand.
    static runtime::Text stdformat(const runtime::Text& area, const runtime::Text& exchange,
                                   const runtime::Text& line);
    static runtime::Text trendformat(const runtime::Text& area, const runtime::Text& exchange,
                                     const runtime::Text& line);

private:
    runtime::Short areacount_;
    runtime::Short exchcount_;
    runtime::Short linecount_;
};
