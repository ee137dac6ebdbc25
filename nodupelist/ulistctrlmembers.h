// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

// The member identifiers of solvane.ulistctrl, by which hosts call its members and bind
// its events; the library's descriptor publishes each member under the same constant. A
// host keeps the numbers it was built with, so a published identifier never changes.
namespace ulistctrlmember {

// Members of the default interface _ulistctrl: a method and two read-only properties.
inline constexpr runtime::MemberId additem = 0x60030004;
inline constexpr runtime::MemberId selected = 0x68030001;
inline constexpr runtime::MemberId count = 0x68030000;

// Events of the event interface __ulistctrl.
inline constexpr runtime::MemberId clicked = 1;

}  // namespace ulistctrlmember
