// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/catalogue_p.h"
#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/testing/testfolder.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

// Restores an environment variable as it was.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), previous_(qgetenv(name)), hadPrevious_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentVariable()
    {
        if (hadPrevious_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    QByteArray previous_;
    bool hadPrevious_;
};

// A user data folder of the test's own, so that registrations never reach the real
// user's catalogue: XDG_DATA_HOME points into a temporary folder while it lives; and so
// that no catalogue of the system is looked in, XDG_DATA_DIRS at one beside it.
class TemporaryUserData : public runtime::testing::TestFolder {
public:
    QString catalogue() const { return runtime::components::Catalogue::defaultPath(); }
    // The system catalogue hosts look in after the user's.
    QString systemCatalogue() const { return path("system/desktop-suite/controls.json"); }

private:
    EnvironmentVariable userData_{"XDG_DATA_HOME", QFile::encodeName(path())};
    EnvironmentVariable systemData_{"XDG_DATA_DIRS", QFile::encodeName(path("system"))};
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
