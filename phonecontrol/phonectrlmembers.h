// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

// The member identifiers of tesk.phonectrl, by which hosts call its methods and bind its
// events; the library's descriptor publishes each member under the same constant. A host
// keeps the numbers it was built with, so a published identifier never changes.
namespace phonectrlmember {

// Methods of the default interface _phonectrl.
inline constexpr runtime::MemberId stdformat = 0x60030005;
inline constexpr runtime::MemberId trendformat = 0x60030006;

// Events of the event interface __phonectrl.
inline constexpr runtime::MemberId clicked = 1;

}  // namespace phonectrlmember
