// SPDX-License-Identifier: LGPL-2.1-or-later
// Hosts look for a class in the user's catalogue, then in the system catalogues of
// XDG_DATA_DIRS, and hold the system's entries to the same trust rules.
#include "componenttesting.h"
#include "sampleentry.h"

#include "runtime/base/error.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>

using runtime::RuntimeError;
using namespace runtime::components;

namespace {

void addSample(const QString& catalogue, const QString& library)
{
    Catalogue::update([&](Catalogue& entries) { entries.add(sampleEntry(library)); }, catalogue);
}

QString findError(const QString& classIdentifier)
{
    try {
        findClass(classIdentifier);
    } catch (const RuntimeError& error) {
        return error.text();
    }
    return "<found>";
}

void makeWritableByEveryone(const QString& path)
{
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0777), 0);
}

class SystemCatalogueTest : public ::testing::Test {
protected:
    QString fragment(const QString& name) const { return data.path("system/desktop-suite/controls.d/" + name); }

    const QString sample = QFileInfo(SAMPLE_LIBRARY).canonicalFilePath();
    TemporaryUserData data;
    QTemporaryDir userFolder;  // a folder of the user's own libraries
};

}  // namespace

TEST(SystemCataloguePaths, AreTheSuitesFileInEachAbsoluteFolderOfXdgDataDirsInOrder)
{
    {
        EnvironmentVariable folders("XDG_DATA_DIRS", "/opt/share/:relative/share::/usr/share:/opt/share");
        EXPECT_EQ(Catalogue::systemPaths(),
                  QStringList({"/opt/share/desktop-suite/controls.json", "/usr/share/desktop-suite/controls.json"}));
        EXPECT_EQ(Catalogue::searchedPaths(),
                  QStringList({Catalogue::userPath(), "/opt/share/desktop-suite/controls.d/",
                               "/opt/share/desktop-suite/controls.json", "/usr/share/desktop-suite/controls.d/",
                               "/usr/share/desktop-suite/controls.json"}));
    }
    EnvironmentVariable unset("XDG_DATA_DIRS", "");
    EXPECT_EQ(Catalogue::systemPaths(),
              QStringList({"/usr/local/share/desktop-suite/controls.json", "/usr/share/desktop-suite/controls.json"}));
}

TEST_F(SystemCatalogueTest, AClassOnlyTheSystemListsIsCreatedWithoutAUserCatalogue)
{
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    const FoundClass found = findClass("sample.sampler");
    EXPECT_EQ(found.place.path, data.systemCatalogue());
    EXPECT_EQ(found.place.scope, CatalogueScope::System);
    EXPECT_EQ(found.library.file.path(), sample);
    EXPECT_EQ(found.passedOver, QStringList());
    ASSERT_NE(createInstance("sample.sampler"), nullptr);
    EXPECT_FALSE(QFile::exists(data.catalogue()));
}

TEST_F(SystemCatalogueTest, TheUsersEntryOutranksTheSystems)
{
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    const QString mine = copyOf(SAMPLE_LIBRARY, userFolder.path());
    addSample(data.catalogue(), mine);
    const FoundClass found = findClass("sample.sampler");
    EXPECT_EQ(found.place.path, data.catalogue());
    EXPECT_EQ(found.place.scope, CatalogueScope::User);
    EXPECT_EQ(found.library.file.path(), mine);
}

TEST_F(SystemCatalogueTest, ARefusedUserEntryFallsBackToTheSystemsAndIsReportedOnce)
{
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    addSample(data.catalogue(), copyOf(SAMPLE_LIBRARY, userFolder.path()));
    makeWritableByEveryone(userFolder.path());
    const QString refusal = "the entry in the user's catalogue " + data.catalogue()
        + " is refused: the library is not trusted: folder " + userFolder.path() + " is writable by every user";
    const FoundClass found = findClass("sample.sampler");
    EXPECT_EQ(found.place.path, data.systemCatalogue());
    EXPECT_EQ(found.passedOver, QStringList({refusal}));

    ::testing::internal::CaptureStderr();
    const auto first = createInstance("sample.sampler");
    const auto second = createInstance("sample.sampler");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              ("sample.sampler: " + refusal + "; it comes from the system catalogue " + data.systemCatalogue() + " instead\n")
                  .toStdString());
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
}

TEST_F(SystemCatalogueTest, ADamagedUserCatalogueFallsBackToTheSystemOne)
{
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    data.write(data.catalogue(), "{\"format\": 1, \"classes\": ");
    const FoundClass found = findClass("sample.sampler");
    EXPECT_EQ(found.place.path, data.systemCatalogue());
    ASSERT_EQ(found.unusableCatalogues.size(), 1);
    EXPECT_TRUE(found.unusableCatalogues[0].startsWith("The control catalogue " + data.catalogue() + " cannot be used: it is damaged"))
        << found.unusableCatalogues[0].toStdString();
}

// Whoever could change a system catalogue, its folder or the library it names could make
// every user's programs load their code.
TEST_F(SystemCatalogueTest, TheSystemsEntriesAreHeldToTheSameTrustRules)
{
    const QString systemFolder = QFileInfo(data.systemCatalogue()).absolutePath();
    const QString library = copyOf(SAMPLE_LIBRARY, userFolder.path());
    const struct {
        const char* what;
        QString madeWritable;
        QString error;
    } rows[] = {
        {"the catalogue", data.systemCatalogue(),
         "The control catalogue " + data.systemCatalogue() + " cannot be used: file " + data.systemCatalogue()
             + " is writable by every user"},
        {"its folder", systemFolder,
         "The control catalogue " + data.systemCatalogue() + " cannot be used: folder " + systemFolder
             + " is writable by every user"},
        {"the library", userFolder.path(),
         "the library is not trusted: folder " + userFolder.path() + " is writable by every user"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        addSample(data.systemCatalogue(), library);
        makeWritableByEveryone(row.madeWritable);
        EXPECT_EQ(findError("sample.sampler"), row.error);
        ASSERT_EQ(chmod(QFile::encodeName(row.madeWritable).constData(), 0700), 0);
    }
}

TEST_F(SystemCatalogueTest, WhenEveryEntryIsRefusedEachRefusalIsGiven)
{
    const QString library = copyOf(SAMPLE_LIBRARY, userFolder.path());
    addSample(data.catalogue(), library);
    addSample(data.systemCatalogue(), library);
    makeWritableByEveryone(userFolder.path());
    const QString reason = "the library is not trusted: folder " + userFolder.path() + " is writable by every user";
    EXPECT_EQ(findError("sample.sampler"), "the entry in the user's catalogue " + data.catalogue() + " is refused: " + reason
                                               + "; the entry in the system catalogue " + data.systemCatalogue()
                                               + " is refused: " + reason);
    EXPECT_EQ(findError("sample.other"), "the class sample.other is not registered");
}

// Each package that installs controls for every user writes a fragment of its own.
TEST_F(SystemCatalogueTest, FragmentsComeAfterTheUsersCatalogueByNameInByteOrderAndBeforeTheSingleFile)
{
    const QString upper = copyOf(SAMPLE_LIBRARY, userFolder.path(), "libupper.so");
    const QString lower = copyOf(SAMPLE_LIBRARY, userFolder.path(), "liblower.so");
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    addSample(fragment("alpha.json"), lower);
    addSample(fragment("Zeta.json"), upper);  // 'Z' comes before 'a' in byte order
    data.write(fragment("notes.txt"), "no catalogue");
    data.write(fragment(".hidden.json"), "no catalogue");
    const auto searched = [] {
        QStringList paths;
        for (const CataloguePlace& place : Catalogue::searchOrder())
            paths.append(place.path);
        return paths;
    };
    EXPECT_EQ(searched(), QStringList({data.catalogue(), fragment("Zeta.json"), fragment("alpha.json"), data.systemCatalogue()}));
    EXPECT_EQ(findClass("sample.sampler").library.file.path(), upper);

    const QString mine = copyOf(SAMPLE_LIBRARY, userFolder.path());
    addSample(data.catalogue(), mine);
    EXPECT_EQ(findClass("sample.sampler").library.file.path(), mine);
}

TEST_F(SystemCatalogueTest, ARefusedFragmentIsReportedOnceAndTheOthersAreUsed)
{
    addSample(fragment("a.json"), SAMPLE_LIBRARY);
    addSample(fragment("b.json"), SAMPLE_LIBRARY);
    addSample(data.path("elsewhere.json"), SAMPLE_LIBRARY);
    ASSERT_TRUE(QFile::link(data.path("elsewhere.json"), fragment("c.json")));
    const struct {
        const char* what;
        std::function<void()> refuse;
        QString refusal;
        QString usedFrom;
    } rows[] = {
        {"writable by every user", [&] { makeWritableByEveryone(fragment("a.json")); },
         "The control catalogue " + fragment("a.json") + " cannot be used: file " + fragment("a.json")
             + " is writable by every user",
         fragment("b.json")},
        {"a symbolic link", [&] { QFile::remove(fragment("a.json")); QFile::remove(fragment("b.json")); },
         "The control catalogue " + fragment("c.json") + " cannot be used: it is a symbolic link, not a file of its own",
         data.systemCatalogue()},
        {"in a folder writable by every user", [&] { makeWritableByEveryone(fragment("")); },
         "The control catalogue folder " + data.path("system/desktop-suite/controls.d") + " cannot be used: folder "
             + data.path("system/desktop-suite/controls.d") + " is writable by every user",
         data.systemCatalogue()},
    };
    addSample(data.systemCatalogue(), SAMPLE_LIBRARY);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        row.refuse();
        const FoundClass found = findClass("sample.sampler");
        EXPECT_EQ(found.place.path, row.usedFrom);
        EXPECT_EQ(found.unusableCatalogues, QStringList{row.refusal});
        EXPECT_EQ(found.passedOver, QStringList());

        ::testing::internal::CaptureStderr();
        EXPECT_NE(createInstance("sample.sampler"), nullptr);
        EXPECT_NE(createInstance("sample.sampler"), nullptr);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), (row.refusal + "\n").toStdString());
    }
}
