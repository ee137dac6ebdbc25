// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Text, the runtime's string type, and the helpers that split it and change its case.

#include "runtime/runtime_export.h"

#include <QString>
#include <QStringList>

namespace runtime {

/// Text is a sequence of 16-bit characters; comparisons are exact unless said otherwise.
using Text = QString;

/// All pieces of `text` between occurrences of `delimiter`, numbered from 0. Empty pieces
/// stay ("a,,b" gives three pieces); the empty text gives no piece at all.
RUNTIME_EXPORT QStringList split(const Text& text, const Text& delimiter);

/// Every letter of `text` in upper case. A lone surrogate, which stands for a byte of a
/// file that was not UTF-8, stays as it is, so that the byte is written back unchanged.
RUNTIME_EXPORT Text upperCase(const Text& text);
/// Every letter of `text` in lower case; a lone surrogate stays, as in upperCase().
RUNTIME_EXPORT Text lowerCase(const Text& text);

/// The first letter of every word in upper case, every other letter in lower case.
/// Words are separated by space, tab, line feed, vertical tab, form feed, carriage return
/// and NUL only, so a letter after an apostrophe or a hyphen stays inside its word:
/// "o'neil" becomes "O'neil" and "anne-marie" becomes "Anne-marie".
RUNTIME_EXPORT Text properCase(const Text& text);

/// `amount` in the currency format of the default locale (tests pin one).
RUNTIME_EXPORT Text formatCurrency(double amount);

}  // namespace runtime
