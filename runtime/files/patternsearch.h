// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// PatternSearch: the ordinary files whose names match a pattern such as "*.dt".

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QStringList>

namespace runtime {

/// The names of the ordinary files that match a pattern such as "/home/ann/*.dt":
/// no folders, no hidden files (names starting with "."), no devices. "*" stands for
/// any run of characters and "?" for one; matching is case-sensitive, as the file system
/// is. Names come without their folder, in the order the file system lists them, one
/// per call of next(), then the empty text. A folder that cannot be read raises a
/// RuntimeError naming it.
class RUNTIME_EXPORT PatternSearch {
public:
    /// Reads the folder of `pattern` (the current folder when it names none) now, and
    /// keeps the names that match its last part.
    explicit PatternSearch(const Text& pattern);

    /// The next name, or the empty text once every name has come.
    Text next();

    /// Whether `name` matches `pattern`, a pattern of "*" and "?" without a folder.
    static bool matches(const Text& name, const Text& pattern);

private:
    QStringList names_;
    qsizetype position_ = 0;
};

}  // namespace runtime
