// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/base/text.h"

namespace runtime {

// Where a program keeps its data files: the folder programFolder() reports.
//
// A program run from a folder its user can write (a build, a copy beside its data)
// keeps them beside its executable. An installed program keeps them in a folder of the
// user's own, $XDG_DATA_HOME/desktop-suite/<program> (~/.local/share/desktop-suite/
// <program> when XDG_DATA_HOME is unset), so that nothing it writes goes near bin/: one
// whose folder the user cannot write, and also one the user may write, installed under
// ~/.local or run by root, told apart from a build by the samples' folder
// (share/desktop-suite/samples/) that an installation puts beside bin/.
//
// That folder is made on first use, private to the user (mode 0700, with any missing
// folder above it), and given a copy of each sample the program was installed with
// (share/desktop-suite/samples/<program>/), so that the first run has something to
// show. Samples go only into a folder just made: a file the user already has, or has
// deleted on purpose, is never replaced.
//
// A folder that is there already is used only when it is the user's own, and neither it
// nor any folder on its path can be changed by another user than root (CheckedPath): in a
// data home others may add to, another user could have made it, or a link in its place,
// to read what the program saves or to have it save where they choose. Each folder is
// made inside the checked one above it, so no one's link is followed on the way.
struct RUNTIME_PRIVATE_EXPORT DataFolder {
    Text path;     // without a trailing separator
    Text failure;  // why the folder could not be made, used or filled; empty when it is ready

    // The suite's one folder in the user's data home, $XDG_DATA_HOME/desktop-suite: it
    // holds each installed program's folder and the user's control catalogue.
    static Text suiteHome();

    // Settles the folder of the program named `programName` whose executable lies in
    // `executableFolder`, making and filling the user's folder when it is the one.
    static DataFolder settle(const Text& executableFolder, const Text& programName);

    // Tells the user, in a message box, why the folder is not ready; nothing when it is.
    // The program goes on: its own messages say which file it then cannot read or write.
    void reportFailure() const;
};

}  // namespace runtime
