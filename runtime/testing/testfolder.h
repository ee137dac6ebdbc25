// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace runtime::testing {

// A temporary folder of the test's own, gone with it, and its files byte for byte. A name
// is taken inside the folder, an absolute path as it is. A file the test cannot write
// fails the test; one it cannot read reads as "<missing>".
class TestFolder {
public:
    QString path() const { return folder_.path(); }
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    // Makes the folders on the way.
    void write(const QString& name, const QByteArray& bytes) const
    {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
        ASSERT_EQ(out.write(bytes), bytes.size()) << file.toStdString();
    }

    QByteArray read(const QString& name) const
    {
        QFile in(path(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    bool exists(const QString& name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir folder_;
};

}  // namespace runtime::testing
