// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// What the fuzzers share: a failed property stops the run with a message, and files live
// in memory.

#include "runtime/base/text.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace fuzzing {

// Stops the run, as a crash would, when a property does not hold: libFuzzer then keeps
// the input that broke it.
void require(bool holds, const char* property);

// The fuzzer's input as bytes, without a copy.
QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size);

// The input read as 16-bit characters, two bytes each (an odd last byte is dropped), so
// that lone surrogates, NULs and every other code unit come up.
runtime::Text unitsOf(QByteArrayView bytes);

// A file in memory that holds the given bytes and is reached by a path, for the readers
// that open files by name. One file serves a whole run; each call replaces its contents.
runtime::Text memoryFileWith(QByteArrayView bytes);

// A private folder in memory (so that saving, with its sync, costs little) that only
// this user can change, as the readers that check ownership ask; made once a run.
const runtime::Text& scratchFolder();

}  // namespace fuzzing
