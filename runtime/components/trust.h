#pragma once

#include "runtime/base/text.h"
#include "runtime/files/descriptor.h"

#include <sys/stat.h>

namespace runtime::components {

// An ordinary file opened for reading after its whole path was found safe, and held open
// so that whatever reads or loads it later uses the very file that was checked, not
// whatever the path names by then.
//
// The path is walked from the root folder one name at a time, each name opened relative
// to the folder before it and never followed blindly: a symbolic link is read and its
// target walked in turn, so every folder a link passes through is checked too. A folder
// on the way is safe when only the caller or root can change what it holds: it belongs
// to one of them and neither its group (unless that group is the caller's alone) nor
// every user may write to it, or it is sticky, as /tmp is, and belongs to one of them.
// The file itself must belong to the caller or root and be writable by no one else.
class CheckedFile {
public:
    // Never raises: a file that is missing or unsafe comes back closed, with the reason.
    static CheckedFile open(const Text& path);

    bool isOpen() const { return descriptor_.isOpen(); }
    // Why the file was not opened ("folder /x/y is writable by user z"); empty when open.
    const Text& refusal() const { return refusal_; }
    int descriptor() const { return descriptor_.get(); }
    // The path with every symbolic link, "." and ".." resolved.
    const Text& path() const { return path_; }
    const struct stat& status() const { return status_; }

private:
    CheckedFile() = default;

    Descriptor descriptor_;
    Text refusal_;
    Text path_;
    struct stat status_ {};
};

// Why the folder at `path` must not hold the caller's catalogue, or the empty text: the
// same walk and the same rule as for a file, applied to the folder.
Text untrustedFolderReason(const Text& path);

}  // namespace runtime::components
