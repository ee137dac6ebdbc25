#include "runtime/base/event.h"

#include "runtime/base/error.h"
#include "runtime/forms/msgbox.h"
#include "runtime/testing/hooks.h"

namespace runtime::detail {

static int handlersRunning = 0;

void runHandler(const std::function<void()>& handler)
{
    struct Depth {
        Depth() { ++handlersRunning; }
        ~Depth() { --handlersRunning; }
    } depth;
    try {
        handler();
    } catch (const RuntimeError& error) {
        msgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.text()),
               {Buttons::OkOnly, Icon::Critical});
    } catch (const ProgramEnded&) {
        // The end of the program stops every handler on the way out, not only this one.
        if (handlersRunning > 1)
            throw;
    }
}

}  // namespace runtime::detail
