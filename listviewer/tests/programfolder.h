#pragma once

#include "runtime/testing/testing.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that is the program folder for the life of the object.
class ProgramFolder {
public:
    ProgramFolder() { runtime::testing::setProgramFolder(folder_.path()); }
    ~ProgramFolder() { runtime::testing::setProgramFolder({}); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path(const QString& name) const { return folder_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

private:
    QTemporaryDir folder_;
};
