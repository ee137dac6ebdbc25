// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

// The member identifiers of gauge.levelctrl, by which hosts call its members and bind its
// events; the library's descriptor publishes each member under the same constant. A host
// keeps the numbers it was built with, so a published identifier never changes.
namespace levelmember {

// Members of the default interface _levelctrl: two properties.
inline constexpr runtime::MemberId level = 0x68030000;
inline constexpr runtime::MemberId steps = 0x68030001;

// Events of the event interface __levelctrl.
inline constexpr runtime::MemberId changed = 1;

}  // namespace levelmember
