#pragma once

#include "runtime/base/text.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace runtime::tools {

// The commands of the tool `controls`, which registers control libraries and tries their
// controls:
//
//   controls register <library or folder>...   registers each library through its own
//                                              DllRegisterServer; in a folder, every
//                                              control library it holds
//   controls register --system [--catalogue <file>] [--staged <folder>] <library or folder>...
//                                              the same into a system catalogue, for every
//                                              user (root only): the installation's own
//                                              (<prefix>/share/desktop-suite/controls.json)
//                                              or <file>; with --staged, the files were
//                                              staged under <folder> (DESTDIR), which the
//                                              recorded paths leave out
//   controls unregister <library>...           through DllUnregisterServer; a library file
//                                              that is gone loses its entries directly
//   controls list                              every entry of the user's catalogue, then
//                                              the system ones: each with its catalogue,
//                                              and whether it is refused or shadowed
//   controls describe <class identifier>       members, kinds, identifiers, description
//   controls script <class identifier> [<file>]  runs a script against the control off
//                                              screen (standard input without a file)
//   controls try <class identifier>            opens a window to use the control by hand
//                                              (runtime/tools/tryout.h)
//   controls try                               first a window to choose the class from those
//                                              registered (runtime/tools/classchooser.h)
//
// Prints results through `out` and problems through `error`; returns the exit status:
// 0 done, 1 failed, 2 not understood.
struct Output {
    std::function<void(const Text&)> out;
    std::function<void(const Text&)> error;
    std::function<QByteArray()> readInput;  // the whole of standard input
};

int runCommand(const QStringList& arguments, const Output& output);

}  // namespace runtime::tools
