// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

// The member identifiers of tally.counterctrl, by which hosts call its members and bind
// its events; the library's descriptor publishes each member under the same constant. A
// host keeps the numbers it was built with, so a published identifier never changes.
namespace countermember {

// Members of the default interface _counterctrl: a property and a method.
inline constexpr runtime::MemberId value = 0x68030000;
inline constexpr runtime::MemberId add = 0x60030001;

// Events of the event interface __counterctrl.
inline constexpr runtime::MemberId changed = 1;

}  // namespace countermember
