// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/tests/componenttesting.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

// Registers control libraries with the controls tool, in a process of its own, so that
// the test's process has loaded none of them.
inline void registerWithTool(const QStringList& libraries)
{
    QProcess tool;
    tool.start(CONTROLS_TOOL, QStringList{"register"} + libraries);
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

// Whether the process has mapped the file at `path`, as the loader does with a library.
inline bool isMapped(const QString& path)
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QFile::encodeName(path));
}
