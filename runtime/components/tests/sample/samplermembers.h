// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/variant.h"

// The member identifiers of sample.sampler, by which the tests call its members and bind
// its events; the library's descriptor publishes each member under the same constant.
namespace samplermember {

// Methods of the default interface _sampler.
inline constexpr runtime::MemberId repeat = 0x60030001;
inline constexpr runtime::MemberId reverse = 0x60030002;
inline constexpr runtime::MemberId total = 0x60030003;
inline constexpr runtime::MemberId fail = 0x60030004;
inline constexpr runtime::MemberId announce = 0x60030005;

// Properties of _sampler: caption is written as well, resizes only read; caption and the
// four after resizes are design-time properties.
inline constexpr runtime::MemberId caption = 0x68030000;
inline constexpr runtime::MemberId resizes = 0x68030001;
inline constexpr runtime::MemberId marked = 0x68030002;
inline constexpr runtime::MemberId times = 0x68030003;
inline constexpr runtime::MemberId limit = 0x68030004;
inline constexpr runtime::MemberId ratio = 0x68030005;

// Events of the event interface __sampler.
inline constexpr runtime::MemberId changed = 1;
inline constexpr runtime::MemberId clicked = 2;

}  // namespace samplermember
