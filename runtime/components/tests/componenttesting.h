#pragma once

#include "runtime/components/catalogue.h"
#include "runtime/components/host.h"
#include "runtime/components/server.h"
#include "runtime/testing/testfolder.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

// A user data folder of the test's own, so that registrations never reach the real
// user's catalogue: XDG_DATA_HOME points into a temporary folder while it lives.
class TemporaryUserData : public runtime::testing::TestFolder {
public:
    TemporaryUserData() : previous_(qgetenv("XDG_DATA_HOME")), hadPrevious_(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(path()));
    }
    ~TemporaryUserData()
    {
        if (hadPrevious_)
            qputenv("XDG_DATA_HOME", previous_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QString catalogue() const { return runtime::components::Catalogue::defaultPath(); }

private:
    QByteArray previous_;
    bool hadPrevious_;
};

// Registers a control library through its own entry point, as the tool does.
inline void registerLibrary(const QString& path)
{
    const auto library = runtime::components::LoadedLibrary::load(path);
    ASSERT_EQ(library->registerServer(), runtime::components::Ok) << runtime::components::lastError().toStdString();
}

// Points the catalogue's entry of a class at another library file, as a hand-edited or
// stale catalogue might.
inline void pointEntryAt(const QString& classIdentifier, const QString& library)
{
    runtime::components::Catalogue::update([&](runtime::components::Catalogue& catalogue) {
        runtime::components::CatalogueEntry entry = catalogue.find(classIdentifier);
        entry.library = library;
        catalogue.add(entry);
    });
}

// A copy of a library in a folder of the test's, to change its permissions.
inline QString copyOf(const QString& library, const QString& folder, const QString& name = "libsample.so")
{
    const QString copy = folder + '/' + name;
    QFile::remove(copy);
    QFile::copy(library, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return copy;
}

inline bool runsAsRoot()
{
    return geteuid() == 0;
}
