// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/event.h"

#include "runtime/base/error.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/programend_p.h"

#include <exception>
#include <new>

namespace runtime::detail {
namespace {

void showRuntimeError(int number, const QString& text)
{
    msgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(text), {Buttons::OkOnly, Icon::Critical});
}

}  // namespace

void runHandler(const std::function<void()>& handler)
{
    // Once a test has caught the program's end, no handler runs any more, as none would
    // in a program that has ended.
    if (programHasEnded())
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        showRuntimeError(error.number(), error.text());
    } catch (const ProgramEnded&) {
        // Stops here: the toolkit's own frames may lie between this handler and an outer
        // one, and an exception must not pass through them.
    } catch (const std::bad_alloc&) {
        showRuntimeError(RuntimeError::OutOfMemory, QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        // A fault of the program's own (a standard container used out of its range):
        // the handler stops, as for any other error, and the program lives on.
        showRuntimeError(RuntimeError::InternalError, QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

}  // namespace runtime::detail
