// SPDX-License-Identifier: LGPL-2.1-or-later
// Faults that only file permissions make: CTest runs these without root's capabilities.
#include "componenttesting.h"

#include "runtime/base/error.h"
#include "runtime/testing/permissions.h"
#include "runtime/testing/raised.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using runtime::RuntimeError;
using namespace runtime::components;

namespace {

}  // namespace

namespace {

class CatalogueFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_UNLESS_PERMISSIONS_HOLD();
        registerLibrary(SAMPLE_LIBRARY);
        before = data.read(data.catalogue());
    }

    TemporaryUserData data;
    QByteArray before;
};

}  // namespace

TEST_F(CatalogueFaultTest, AnUnreadableCatalogueIsReported)
{
    ASSERT_EQ(chmod(QFile::encodeName(data.catalogue()).constData(), 0200), 0);
    const QString error = runtime::testing::raisedText([] { Catalogue::read(); });
    chmod(QFile::encodeName(data.catalogue()).constData(), 0600);
    EXPECT_TRUE(error.contains("cannot be used")) << error.toStdString();
    EXPECT_TRUE(error.contains("Permission denied")) << error.toStdString();
    EXPECT_EQ(LoadedLibrary::load(SAMPLE_LIBRARY)->registerServer(), Ok);
}

TEST_F(CatalogueFaultTest, AFolderThatCannotBeWrittenLeavesTheCatalogueAsItWas)
{
    const QString folder = QFileInfo(data.catalogue()).absolutePath();
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0500), 0);
    const int status = LoadedLibrary::load(SAMPLE_LIBRARY)->unregisterServer();
    const QString error = lastError();
    chmod(QFile::encodeName(folder).constData(), 0700);
    EXPECT_EQ(status, Failed);
    EXPECT_TRUE(error.contains(data.catalogue())) << error.toStdString();
    EXPECT_EQ(data.read(data.catalogue()), before);
}

TEST_F(CatalogueFaultTest, AUserDataFolderThatCannotBeMadeIsReported)
{
    TemporaryUserData elsewhere;
    ASSERT_EQ(chmod(QFile::encodeName(elsewhere.path()).constData(), 0500), 0);
    const int status = LoadedLibrary::load(SAMPLE_LIBRARY)->registerServer();
    chmod(QFile::encodeName(elsewhere.path()).constData(), 0700);
    EXPECT_EQ(status, Failed);
    EXPECT_TRUE(lastError().contains("cannot be made")) << lastError().toStdString();
}

namespace {

// A user's catalogue still in its former place, which the next change moves.
class CatalogueMoveFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_UNLESS_PERMISSIONS_HOLD();
        registerLibrary(SAMPLE_LIBRARY);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(former).absolutePath()));
        ASSERT_TRUE(QFile::rename(data.catalogue(), former));
        before = data.read(former);
    }

    static void addOther()
    {
        Catalogue::update([](Catalogue& catalogue) {
            CatalogueEntry other = catalogue.find("sample.sampler");
            other.type.libraryName = "other";
            other.type.name = "thing";
            other.type.identifier = "other.thing";
            catalogue.add(other);
        });
    }

    TemporaryUserData data;
    const QString former = Catalogue::formerUserPath();
    QByteArray before;
};

}  // namespace

TEST_F(CatalogueMoveFaultTest, ANewPlaceThatCannotBeWrittenLeavesTheFormerCatalogueAsItWas)
{
    const QString folder = QFileInfo(data.catalogue()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0500), 0);
    const QString error = runtime::testing::raisedText(addOther);
    chmod(QFile::encodeName(folder).constData(), 0700);
    EXPECT_TRUE(error.contains(data.catalogue())) << error.toStdString();
    EXPECT_EQ(data.read(former), before);
    EXPECT_FALSE(QFile::exists(data.catalogue()));
    EXPECT_EQ(Catalogue::read().entries().size(), 1u);
}

TEST_F(CatalogueMoveFaultTest, AFormerCatalogueThatCannotBeRemovedStaysAndTheNewOneHoldsEverything)
{
    const QString folder = QFileInfo(former).absolutePath();
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0500), 0);
    addOther();
    chmod(QFile::encodeName(folder).constData(), 0700);
    EXPECT_EQ(data.read(former), before);
    EXPECT_EQ(Catalogue::searchOrder().front().path, data.catalogue());
    EXPECT_EQ(Catalogue::read().entries().size(), 2u);
}
