#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder with helpers to write and read its files byte for byte.
class TestFolder {
public:
    QString path(const QString& name) const { return folder_.filePath(name); }
    QString path() const { return folder_.path(); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    bool exists(const QString& name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir folder_;
};
