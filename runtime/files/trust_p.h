// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/base/text.h"
#include "runtime/files/descriptor.h"

#include <sys/stat.h>

namespace runtime {

// A file or folder reached after its whole path was found safe, and held open so that
// whatever reads, loads or makes files in it later uses the very one that was checked,
// not whatever the path names by then.
//
// The path is walked from the root folder one name at a time, each name opened relative
// to the folder before it and never followed blindly: a symbolic link is read and its
// target walked in turn, so every folder a link passes through is checked too. A link in
// a sticky folder that every user may write, as /tmp, is followed only when it is the
// caller's or the folder owner's, as the kernel's own rule for such folders has it.
//
// A file, and each folder on the way, is safe when only the caller or root can change
// it: it belongs to one of them; neither every user, nor its group unless that group is
// root's, may write to it; and its access list lets no other user or group write. A
// sticky folder that belongs to one of them is safe whoever may add to it, as others can
// not replace what is in it. A folder opened or made for files to be made in must also
// have no default access list, which new files inherit, that lets another user or group
// write. (A file read needs no such look at its folders: what it inherited is in its own
// access list.)
//
// Group write is trusted only for root's group, where no account can be added by anyone
// but root: that another group has no member but the caller cannot be known for certain,
// as accounts from a directory service may not be listed, and a group with a password
// can be joined at will.
class RUNTIME_PRIVATE_EXPORT CheckedPath {
public:
    // An ordinary file, opened for reading. Never raises: a file that is missing or unsafe
    // comes back closed, with the reason; so do the others.
    static CheckedPath openFile(const Text& path);
    // A folder, opened for looking at and for making files in.
    static CheckedPath openFolder(const Text& path);
    // A folder, made first when missing, with every missing folder above it: each made
    // in the checked folder above it, and given `mode` through its own descriptor.
    static CheckedPath makeFolder(const Text& path, mode_t mode);

    bool isOpen() const { return descriptor_.isOpen(); }
    // Why it was not opened ("folder /x/y is writable by every user"); empty when open.
    const Text& refusal() const { return refusal_; }
    // The command that makes the refused file or folder safe ("chmod o-w /x/y"), where a
    // change of its owner, mode or access list does; empty otherwise.
    const Text& fix() const { return fix_; }
    int descriptor() const { return descriptor_.get(); }
    // The path with every symbolic link, "." and ".." resolved.
    const Text& path() const { return path_; }
    const struct stat& status() const { return status_; }
    // Whether makeFolder made the folder itself now.
    bool made() const { return made_; }

private:
    friend struct Walk;
    CheckedPath() = default;

    Descriptor descriptor_;
    Text refusal_;
    Text fix_;
    Text path_;
    struct stat status_ {};
    bool made_ = false;
};


}  // namespace runtime
