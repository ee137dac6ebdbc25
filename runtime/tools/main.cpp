// controls: registers control libraries, lists and describes their classes, and tries a
// control off screen from a script or in a window (runtime/tools/commands.h).
#include "runtime/forms/program.h"
#include "runtime/tools/commands.h"

#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Only `controls try` shows a window; everything else runs off screen.
    if (argc < 2 || std::strcmp(argv[1], "try") != 0)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, QStringLiteral("controls"));
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
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
