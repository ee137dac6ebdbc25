// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "entryrules.h"

#include "runtime/components/usercontrol.h"
#include "runtime/forms/button.h"
#include "runtime/forms/event.h"
#include "runtime/forms/label.h"
#include "runtime/forms/textbox.h"

#include <cstdint>

// The phone control `phonectrl` of the library tesk, class identifier tesk.phonectrl.
//
// The user types a phone number into three boxes, the area code (`area`), the exchange
// (`exch`) and the line number (`linenum`), which take digits only and hand the focus on
// by themselves after 3, 3 and 4 digits; the exchange 555 is refused. "Done" checks that
// every box holds text and raises `clicked`.
//
// Members, for hosts (default interface _phonectrl, dual; events __phonectrl), called and
// bound by the member identifiers of phonectrlmembers.h:
//   stdformat    method, no arguments, returns String
//                the number as "(312) 447-1234"
//   trendformat  method, no arguments, returns String
//                the number as "312.447.1234"
//   clicked      event, no arguments
//                raised by "Done" when all three boxes hold text; the host's handler
//                runs before "Done" returns, and may call both methods
// The control has no properties and stores nothing. It keeps a minimum width of 4000
// twips; its design size is 4035 x 945.
class phonectrl : public runtime::UserControl {
public:
    phonectrl();

    runtime::Text stdformat() const;
    runtime::Text trendformat() const;

    runtime::Event<> clicked;

    // The digit counters of the three boxes, for tests.
    const EntryRules& counters() const { return rules; }

    // The children are public, as every form's controls are, so that tests can drive them.
    runtime::TextBox area;
    runtime::TextBox exch;
    runtime::TextBox linenum;
    runtime::Label Label1;
    runtime::Label Label2;
    runtime::Label Label3;
    runtime::Button done;

private:
    void UserControl_Initialize() override {}
    void UserControl_Resize() override;
    void area_KeyPress(std::int16_t& KeyAscii);
    void exch_KeyPress(std::int16_t& KeyAscii);
    void linenum_KeyPress(std::int16_t& KeyAscii);
    void done_Click();

    void react(const KeyReaction& reaction, runtime::TextBox& box, std::int16_t& KeyAscii);
    void focus(PhonePart part);

    EntryRules rules;
};
