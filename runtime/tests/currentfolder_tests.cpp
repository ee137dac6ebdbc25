// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"
#include "runtime/forms/program.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(CurrentFolder, IsTheProcessCurrentFolder)
{
    const QString previous = QDir::currentPath();
    QTemporaryDir folder;
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    EXPECT_EQ(currentFolder(), QDir(folder.path()).canonicalPath());
    QDir::setCurrent("/");
    EXPECT_EQ(currentFolder(), "/");
    QDir::setCurrent(previous);
}

TEST(CurrentFolder, DeletedWhileCurrentRaisesInsteadOfGivingNoPath)
{
    const QString previous = QDir::currentPath();
    {
        QTemporaryDir folder;
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
    }  // removed while still current
    try {
        const Text folder = currentFolder();
        FAIL() << "gave " << folder.toStdString();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccessError);
        EXPECT_TRUE(error.text().startsWith("Cannot find the current folder: ")) << error.text().toStdString();
    }
    QDir::setCurrent(previous);
}

}  // namespace
