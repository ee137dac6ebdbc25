#include "runtime/base/event.h"

#include "runtime/base/error.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/programend.h"

namespace runtime::detail {

void runHandler(const std::function<void()>& handler)
{
    // Once a test has caught the program's end, no handler runs any more, as none would
    // in a program that has ended.
    if (programHasEnded())
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        msgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.text()),
               {Buttons::OkOnly, Icon::Critical});
    } catch (const ProgramEnded&) {
        // Stops here: the toolkit's own frames may lie between this handler and an outer
        // one, and an exception must not pass through them.
    }
}

}  // namespace runtime::detail
