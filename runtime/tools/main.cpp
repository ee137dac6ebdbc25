// SPDX-License-Identifier: LGPL-2.1-or-later
// controls: registers control libraries, lists and describes their classes, and tries a
// control off screen from a script or in a window (runtime/tools/commands.h).
#include "runtime/forms/program.h"
#include "runtime/tools/commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    // Only `controls try` shows a window, and only what makes controls needs the widgets:
    // the rest start no platform at all, nor hear its warnings about a session they never use.
    const runtime::tools::Toolkit toolkit = runtime::tools::toolkitFor(arguments);
    // The platform asks for the session's runtime folder, which a command run from a
    // service or a login without a session lacks. Off screen it keeps nothing there, so it
    // is given an empty one of its own rather than a warning about the missing one.
    std::optional<QTemporaryDir> runtimeFolder;
    if (toolkit == runtime::tools::Toolkit::OffScreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.emplace().isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }
    std::unique_ptr<QCoreApplication> core;
    std::unique_ptr<runtime::Program> program;
    if (toolkit == runtime::tools::Toolkit::Core)
        core = std::make_unique<QCoreApplication>(argc, argv);
    else
        program = std::make_unique<runtime::Program>(argc, argv, QStringLiteral("controls"));
    const runtime::tools::Output output{
        [](const runtime::Text& line) { std::fputs((line + u'\n').toUtf8().constData(), stdout); },
        [](const runtime::Text& line) { std::fputs((line + u'\n').toUtf8().constData(), stderr); },
        [] {
            QFile input;
            input.open(stdin, QIODevice::ReadOnly);
            return input.readAll();
        },
    };
    const int status = runtime::tools::runCommand(arguments, output);
    std::fflush(stdout);
    return status;
}
