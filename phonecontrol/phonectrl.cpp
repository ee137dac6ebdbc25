// SPDX-License-Identifier: LGPL-2.1-or-later
#include "phonectrl.h"

#include "runtime/base/error.h"
#include "runtime/forms/msgbox.h"

#include <cfloat>
#include <cmath>

using runtime::Text;

namespace {

constexpr float smallestWidth = 4000.0f;
constexpr float gap = 100.0f;
// The boxes' shares of the inner width, as double-precision constants.
constexpr double narrowShare = 0.152;
constexpr double lineShare = 0.211;

// A product or sum of the layout, formed at extended precision and rounded once to single
// precision as it is assigned; a value beyond single precision is the runtime's overflow.
float single(long double value)
{
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        runtime::raiseOverflow();
    return static_cast<float>(value);
}

}  // namespace

phonectrl::phonectrl()
{
    using runtime::rgb;
    design({4035, 945, rgb(255, 128, 255)}, {
        {"area", &area, "", 360, 480, 615, 285, 0},
        {"exch", &exch, "", 1320, 480, 615, 285, 1},
        {"linenum", &linenum, "", 2280, 480, 855, 285, 2},
        {"Label1", &Label1, "Area Code", 360, 0, 615, 375, 3},
        {"Label2", &Label2, "Exchange", 1320, 120, 735, 255, 4},
        {"Label3", &Label3, "Line", 2280, 120, 855, 255, 5},
        {"done", &done, "Done", 3360, 120, 615, 735, 6, {.backColor = rgb(255, 192, 128)}},
    });

    area.KeyPress.bind(this, &phonectrl::area_KeyPress);
    exch.KeyPress.bind(this, &phonectrl::exch_KeyPress);
    linenum.KeyPress.bind(this, &phonectrl::linenum_KeyPress);
    done.Click.bind(this, &phonectrl::done_Click);
}

Text phonectrl::stdformat() const
{
    return EntryRules::stdformat(area.text(), exch.text(), linenum.text());
}

Text phonectrl::trendformat() const
{
    return EntryRules::trendformat(area.text(), exch.text(), linenum.text());
}

void phonectrl::UserControl_Resize()
{
    // Setting the width runs this layout again, at the corrected width, before it returns;
    // the layout below then works from the corrected inner width as well.
    if (width() < smallestWidth)
        setWidth(smallestWidth);
    area.setWidth(single(static_cast<long double>(scaleWidth()) * narrowShare));
    exch.setWidth(single(static_cast<long double>(scaleWidth()) * narrowShare));
    linenum.setWidth(single(static_cast<long double>(scaleWidth()) * lineShare));
    done.setWidth(single(static_cast<long double>(scaleWidth()) * narrowShare));
    // Each left edge follows the previous box as read back from it. The captions keep
    // their design places, so at 4845 twips `exch` starts left of "Exchange".
    exch.setLeft(single(static_cast<long double>(area.width()) + area.left() + gap));
    linenum.setLeft(single(static_cast<long double>(exch.width()) + exch.left() + gap));
    done.setLeft(single(static_cast<long double>(linenum.width()) + linenum.left() + gap));
}

void phonectrl::area_KeyPress(std::int16_t& KeyAscii)
{
    react(rules.areaKey(KeyAscii), area, KeyAscii);
}

void phonectrl::exch_KeyPress(std::int16_t& KeyAscii)
{
    react(rules.exchangeKey(KeyAscii, exch.text()), exch, KeyAscii);
}

void phonectrl::linenum_KeyPress(std::int16_t& KeyAscii)
{
    react(rules.lineKey(KeyAscii), linenum, KeyAscii);
}

void phonectrl::react(const KeyReaction& reaction, runtime::TextBox& box, std::int16_t& KeyAscii)
{
    if (!reaction.candidate.isEmpty())
        box.setText(reaction.candidate);  // the refused exchange shows while its message is up
    if (!reaction.message.isEmpty())
        runtime::msgBox(reaction.message);
    if (reaction.emptyBox)
        box.setText({});
    if (reaction.selectAt) {
        box.setSelStart(*reaction.selectAt);
        box.setSelLength(1);
    }
    if (reaction.focus)
        focus(*reaction.focus);
    if (reaction.discard)
        KeyAscii = 0;
}

void phonectrl::focus(PhonePart part)
{
    switch (part) {
    case PhonePart::Area: area.setFocus(); break;
    case PhonePart::Exchange: exch.setFocus(); break;
    case PhonePart::Line: linenum.setFocus(); break;
    case PhonePart::Done: done.setFocus(); break;
    }
}

void phonectrl::done_Click()
{
    if (const std::optional<MissingPart> missing = EntryRules::firstMissing(area.text(), exch.text(), linenum.text())) {
        runtime::msgBox(missing->message);
        focus(missing->focus);
        return;
    }
    clicked.raise();
}
