// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/program.h"

#include "runtime/base/error.h"
#include "runtime/files/encoding.h"
#include "runtime/forms/datafolder_p.h"
#include "runtime/forms/designfont_p.h"
#include "runtime/forms/form.h"
#include "runtime/forms/programend_p.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <unistd.h>

namespace runtime {
namespace {

Text programTitle;
Text programFolderInstead;

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

struct Program::Application {
    QApplication application;
    Application(int& argc, char** argv) : application(argc, argv) {}
};

Program::Program(int& argc, char** argv, const Text& title)
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "%s: no display to show its window on; run it under Xvfb (xvfb-run -a %s) "
                     "or serve it to a VNC viewer (QT_QPA_PLATFORM=vnc %s)\n",
                     argv[0], argv[0], argv[0]);
        std::exit(2);
    }
    programTitle = title;
    application_ = std::make_unique<Application>(argc, argv);
    detail::loadStandInFaces();
    QApplication::setFont(detail::toolkitFont(Font{QStringLiteral("MS Sans Serif"), 8}));
}

Program::~Program() = default;

int Program::run(Form& startupForm)
{
    startupForm.show();
    return QApplication::exec();
}

Text Program::title()
{
    return programTitle;
}

void end()
{
    detail::endProgram();
}

Text programFolder()
{
    if (!programFolderInstead.isEmpty())
        return programFolderInstead;
    // Settled on first use, once for the run. The folder is kept before the failure is
    // shown, so a handler that asks again while the box is up gets it without a second box.
    static std::optional<DataFolder> settled;
    if (!settled) {
        settled = DataFolder::settle(QCoreApplication::applicationDirPath(),
                                     QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        settled->reportFailure();
    }
    return settled->path;
}

void setProgramFolder(const Text& folder)
{
    programFolderInstead = folder;
}

Text currentFolder()
{
    // A folder deleted while current has no path any more; the empty text in its place
    // would make a path from the root, so the loss is an error instead.
    const std::unique_ptr<char, void (*)(void*)> path(::getcwd(nullptr, 0), std::free);
    if (!path) {
        throw RuntimeError(RuntimeError::PathFileAccessError, QStringLiteral("Cannot find the current folder: %1")
                                                                  .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    return decodeText(path.get());
}

}  // namespace runtime
