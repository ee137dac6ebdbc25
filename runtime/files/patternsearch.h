#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QStringList>

namespace runtime {

// The names of the ordinary files that match a pattern such as "/home/ann/*.dt":
// no folders, no hidden files (names starting with "."), no devices. "*" stands for
// any run of characters and "?" for one; matching is case-sensitive, as the file system
// is. Names come without their folder, in the order the file system lists them, one
// per call of next(), then the empty text. A folder that cannot be read raises a
// RuntimeError naming it.
class RUNTIME_EXPORT PatternSearch {
public:
    explicit PatternSearch(const Text& pattern);

    Text next();

    static bool matches(const Text& name, const Text& pattern);

private:
    QStringList names_;
    qsizetype position_ = 0;
};

}  // namespace runtime
