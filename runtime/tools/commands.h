// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace runtime::tools {

// The commands of the tool `controls`, which registers control libraries and tries their
// controls. One table in commands.cpp names each command with its arguments, a line that
// says what it does and its handler, and drives both the dispatch and the usage that
// `controls help` prints.
//
// Prints results through `out` and problems through `error`; returns the exit status:
// 0 done, 1 failed, 2 not understood (the usage goes to `error`).
struct Output {
    std::function<void(const Text&)> out;
    std::function<void(const Text&)> error;
    std::function<QByteArray()> readInput;  // the whole of standard input
};

int runCommand(const QStringList& arguments, const Output& output);

// What of the toolkit a command needs: nothing but the core for one that only reads and
// writes catalogues, the widgets off screen for one that makes controls (a registration
// makes each control to check it), a screen for `try`.
enum class Toolkit { Core, OffScreen, Screen };

Toolkit toolkitFor(const QStringList& arguments);

}  // namespace runtime::tools
