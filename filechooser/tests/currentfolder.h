#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder that is the current folder for the life of the object; the
// previous current folder is current again afterwards.
class CurrentFolder {
public:
    CurrentFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

    QString path() const { return folder_.path(); }

    void addFile(const QString& name) const
    {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
    }

    void addFolder(const QString& name) const { QDir(folder_.path()).mkdir(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// The visible ordinary files of `folder` that end in ".dt", in the order the file system
// lists them: what the chooser must show, found without its own search.
inline QStringList dataFilesAsListed(const QString& folder)
{
    QStringList names;
    QDirIterator files(folder, {QStringLiteral("*.dt")}, QDir::Files | QDir::CaseSensitive);
    while (files.hasNext())
        names << files.nextFileInfo().fileName();
    return names;
}
