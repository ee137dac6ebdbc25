// SPDX-License-Identifier: LGPL-2.1-or-later
#include "componenttesting.h"
#include "sampleentry.h"

#include "runtime/base/error.h"
#include "runtime/testing/raised.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using runtime::RuntimeError;
using runtime::Variant;
using runtime::components::Catalogue;
using runtime::components::CatalogueEntry;
using runtime::components::ClassInfo;
using runtime::components::MemberInfo;

namespace {

CatalogueEntry otherEntry(const QString& identifier)
{
    CatalogueEntry entry = sampleEntry("/opt/controls/libother.so");
    entry.type.libraryName = identifier.section('.', 0, 0);
    entry.type.name = identifier.section('.', 1, 1);
    entry.type.identifier = identifier;
    entry.type.libraryId = QUuid::createUuid();
    return entry;
}

// The catalogue with one field of a member of the sample's default interface set, or
// removed when `value` is undefined.
QByteArray withMemberField(const QByteArray& catalogue, const QString& member, const QString& field,
                           const QJsonValue& value)
{
    QJsonObject root = QJsonDocument::fromJson(catalogue).object();
    QJsonObject classes = root["classes"].toObject();
    QJsonObject entry = classes["sample.sampler"].toObject();
    QJsonObject interface = entry["defaultInterface"].toObject();
    QJsonArray members = interface["members"].toArray();
    for (QJsonValueRef json : members) {
        QJsonObject changed = json.toObject();
        if (changed["name"] == member)
            changed.insert(field, value);
        json = changed;
    }
    interface["members"] = members;
    entry["defaultInterface"] = interface;
    classes["sample.sampler"] = entry;
    root["classes"] = classes;
    return QJsonDocument(root).toJson();
}

class CatalogueTest : public ::testing::Test {
protected:
    void writeSample()
    {
        Catalogue::update([](Catalogue& catalogue) { catalogue.add(sampleEntry()); });
    }

    TemporaryUserData data;
};

}  // namespace

TEST_F(CatalogueTest, IsEmptyUntilSomethingIsRegistered)
{
    EXPECT_TRUE(Catalogue::read().entries().empty());
    EXPECT_FALSE(QFile::exists(data.catalogue()));
    EXPECT_EQ(runtime::testing::raisedText([] { Catalogue::read().find("sample.sampler"); }), "the class sample.sampler is not registered");
}

TEST_F(CatalogueTest, KeepsTypeInformationAndPathAsRegistered)
{
    writeSample();
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].library, "/opt/controls/libsample.so");
    EXPECT_EQ(toJson(entries[0].type), toJson(sampleEntry().type));
    EXPECT_EQ(entries[0].type.defaultInterface.members.size(), 11u);
    EXPECT_EQ(entries[0].type.picture.size(), 15);
}

// A form designer knows the design-time properties from the catalogue alone.
TEST_F(CatalogueTest, KeepsDesignTimeDefaultsOfTheirKindsAndReadsEntriesWrittenBeforeThem)
{
    writeSample();
    const struct {
        const char* member;
        std::optional<Variant> initial;
    } rows[] = {
        {"caption", Variant("")},
        {"marked", Variant(true)},
        {"times", Variant(std::int16_t(2))},
        {"limit", Variant(100000)},
        {"ratio", Variant(0.25)},
        {"resizes", std::nullopt},
        {"repeat", std::nullopt},
    };
    const ClassInfo type = Catalogue::read().find("sample.sampler").type;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.member);
        const MemberInfo* member = findMember(type, row.member);
        ASSERT_NE(member, nullptr);
        EXPECT_EQ(member->designDefault, row.initial);
    }

    // As a runtime without design-time properties wrote it: the same class, none of them.
    QByteArray before = data.read(data.catalogue());
    for (const auto& row : rows)
        before = withMemberField(before, row.member, "designDefault", QJsonValue::Undefined);
    ASSERT_FALSE(before.contains("designDefault"));
    data.write(data.catalogue(), before);
    const ClassInfo older = Catalogue::read().find("sample.sampler").type;
    EXPECT_EQ(older.defaultInterface.members.size(), type.defaultInterface.members.size());
    for (const MemberInfo& member : older.defaultInterface.members)
        EXPECT_EQ(member.designDefault, std::nullopt) << member.name.toStdString();
}

TEST_F(CatalogueTest, OneEntryPerClassIdentifierSortedByIt)
{
    Catalogue::update([](Catalogue& catalogue) {
        catalogue.add(otherEntry("zeta.last"));
        catalogue.add(sampleEntry("/old/libsample.so"));
        catalogue.add(sampleEntry());
        catalogue.add(otherEntry("alpha.first"));
    });
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].type.identifier, "alpha.first");
    EXPECT_EQ(entries[1].type.identifier, "sample.sampler");
    EXPECT_EQ(entries[1].library, "/opt/controls/libsample.so");
    EXPECT_EQ(entries[2].type.identifier, "zeta.last");
}

TEST_F(CatalogueTest, IsWrittenForItsOwnerOnlyWhateverTheUmask)
{
    const mode_t previous = umask(0);
    writeSample();
    umask(previous);
    struct stat file {};
    ASSERT_EQ(stat(QFile::encodeName(data.catalogue()).constData(), &file), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    struct stat folder {};
    ASSERT_EQ(stat(QFile::encodeName(QFileInfo(data.catalogue()).absolutePath()).constData(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
}

TEST_F(CatalogueTest, KeepsEntriesItDoesNotUnderstand)
{
    writeSample();
    QJsonDocument document = QJsonDocument::fromJson(data.read(data.catalogue()));
    QJsonObject root = document.object();
    QJsonObject classes = root["classes"].toObject();
    QJsonObject entry = classes["sample.sampler"].toObject();
    entry["licence"] = "kept";
    classes["sample.sampler"] = entry;
    root["classes"] = classes;
    data.write(data.catalogue(), QJsonDocument(root).toJson());

    Catalogue::update([](Catalogue& catalogue) { catalogue.add(otherEntry("other.thing")); });
    const QJsonObject after = QJsonDocument::fromJson(data.read(data.catalogue())).object();
    EXPECT_EQ(after["classes"]["sample.sampler"]["licence"].toString(), "kept");
    EXPECT_TRUE(after["classes"].toObject().contains("other.thing"));
}

TEST_F(CatalogueTest, ADamagedCatalogueIsRefusedAndNeverRewritten)
{
    writeSample();
    QByteArray sound = data.read(data.catalogue());
    QByteArray withNul = sound;
    withNul.insert(withNul.indexOf("sampler"), '\0');
    QByteArray badUtf8 = sound;
    badUtf8.replace("Sample control", "Sample \xff\xfe control");
    QByteArray noLibraryId = sound;
    noLibraryId.replace("\"libraryId\"", "\"libraryIdentity\"");
    QByteArray wrongKey = sound;
    wrongKey.replace("\"sample.sampler\"", "\"sample.other\"");
    QByteArray noPath = sound;
    noPath.replace("\"library\": \"/opt/controls/libsample.so\"", "\"library\": \"\"");
    const QString designDefault = "designDefault";
    const struct {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } rows[] = {
        {"not JSON", "registered: tesk.phonectrl", "at byte"},
        {"empty", "", "at byte"},
        {"a list", "[]", "not a catalogue"},
        {"no format", R"({"classes": {}})", "not a catalogue"},
        {"a newer format", R"({"format": 2, "classes": {}})", "not a catalogue"},
        {"a NUL byte", withNul, "a NUL byte at byte"},
        {"invalid UTF-8", badUtf8, "at byte"},
        {"an entry without its library identifier", noLibraryId, "libraryId"},
        {"an entry under another class's identifier", wrongKey, "describes the class sample.sampler"},
        {"an entry without a library", noPath, "names no library"},
        {"a design-time default of another kind", withMemberField(sound, "times", designDefault, "2"), "\"designDefault\""},
        {"a fraction for a Short", withMemberField(sound, "times", designDefault, 2.5), "\"designDefault\""},
        {"a Long out of range", withMemberField(sound, "limit", designDefault, 3e9), "\"designDefault\""},
        {"no value", withMemberField(sound, "caption", designDefault, QJsonValue::Null), "\"designDefault\""},
        {"a read-only property's", withMemberField(sound, "resizes", designDefault, 0), "\"designDefault\""},
        {"a method's", withMemberField(sound, "repeat", designDefault, "x"), "\"designDefault\""},
        {"a huge file", QByteArray(20 * 1024 * 1024, ' '), "larger than any catalogue"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        data.write(data.catalogue(), row.bytes);
        const QString readError = runtime::testing::raisedText([] { Catalogue::read(); });
        EXPECT_TRUE(readError.contains("is damaged")) << readError.toStdString();
        EXPECT_TRUE(readError.contains(row.reason)) << readError.toStdString();
        EXPECT_TRUE(readError.contains(data.catalogue()));
        const QString updateError = runtime::testing::raisedText([] { Catalogue::update([](Catalogue& c) { c.remove([](auto&) { return true; }); }); });
        EXPECT_EQ(updateError, readError);
        EXPECT_EQ(data.read(data.catalogue()), row.bytes);
    }
}

TEST_F(CatalogueTest, ACatalogueOthersCanChangeIsRefused)
{
    writeSample();
    const QByteArray before = data.read(data.catalogue());
    const QString folder = QFileInfo(data.catalogue()).absolutePath();

    ASSERT_EQ(chmod(QFile::encodeName(data.catalogue()).constData(), 0666), 0);
    EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("file " + data.catalogue() + " is writable by every user"));
    EXPECT_TRUE(runtime::testing::raisedText([this] { writeSample(); }).contains("is writable by every user"));
    ASSERT_EQ(chmod(QFile::encodeName(data.catalogue()).constData(), 0600), 0);

    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("folder " + folder + " is writable by every user"));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0700), 0);
    EXPECT_EQ(data.read(data.catalogue()), before);

    if (runsAsRoot()) {
        // A group shared with other users: "nogroup" is no private group of root's.
        ASSERT_EQ(chown(QFile::encodeName(data.catalogue()).constData(), 0, 65534), 0);
        ASSERT_EQ(chmod(QFile::encodeName(data.catalogue()).constData(), 0660), 0);
        EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("is writable by group nogroup"));
        ASSERT_EQ(chown(QFile::encodeName(data.catalogue()).constData(), 65534, 65534), 0);
        ASSERT_EQ(chmod(QFile::encodeName(data.catalogue()).constData(), 0600), 0);
        EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("is writable by user nobody"));
    }
}

// Whoever can change the folder could put a catalogue of their own there.
TEST_F(CatalogueTest, NoCatalogueYetInAFolderOthersCanChangeIsRefused)
{
    const QString folder = QFileInfo(data.catalogue()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0777), 0);
    const QString error = runtime::testing::raisedText([] { Catalogue::read(); });
    chmod(QFile::encodeName(folder).constData(), 0700);
    EXPECT_EQ(error, "The control catalogue " + data.catalogue() + " cannot be used: folder " + folder
                         + " is writable by every user");
    EXPECT_FALSE(QFile::exists(data.catalogue()));
}

TEST_F(CatalogueTest, ACatalogueThatIsALinkOrAPipeIsRefused)
{
    QDir().mkpath(QFileInfo(data.catalogue()).absolutePath());
    ASSERT_TRUE(QFile::link("/dev/full", data.catalogue()));
    EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("it is a symbolic link"));
    EXPECT_TRUE(runtime::testing::raisedText([this] { writeSample(); }).contains("it is a symbolic link"));
    EXPECT_TRUE(QFileInfo(data.catalogue()).isSymLink());

    // Opened without waiting for a writer that never comes.
    QFile::remove(data.catalogue());
    ASSERT_EQ(mkfifo(QFile::encodeName(data.catalogue()).constData(), 0600), 0);
    EXPECT_TRUE(runtime::testing::raisedText([] { Catalogue::read(); }).contains("not an ordinary file"));
}

TEST_F(CatalogueTest, AFullDiskLeavesTheCatalogueAsItWas)
{
    writeSample();
    const QByteArray before = data.read(data.catalogue());
    // Files may grow no further than 1 KiB: the disk is full for the new catalogue.
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = previous;
    full.rlim_cur = 1024;  // room for the lock file, not for the catalogue
    setrlimit(RLIMIT_FSIZE, &full);
    const QString error = runtime::testing::raisedText([] { Catalogue::update([](Catalogue& c) { c.add(otherEntry("other.thing")); }); });
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(error.contains("could not be written")) << error.toStdString();
    EXPECT_TRUE(error.contains("File too large")) << "the system's reason";
    EXPECT_TRUE(error.contains("it is as it was"));
    EXPECT_EQ(data.read(data.catalogue()), before);
    EXPECT_EQ(QDir(QFileInfo(data.catalogue()).absolutePath()).entryList(QDir::Files).size(), 1);
}

TEST_F(CatalogueTest, RemovesExactlyWhatMatches)
{
    Catalogue::update([](Catalogue& catalogue) {
        catalogue.add(sampleEntry());
        catalogue.add(otherEntry("other.thing"));
    });
    int removed = 0;
    Catalogue::update([&](Catalogue& catalogue) {
        removed = catalogue.remove([](const CatalogueEntry& entry) { return entry.type.libraryName == "sample"; });
    });
    EXPECT_EQ(removed, 1);
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type.identifier, "other.thing");
}

// The user's catalogue lived in a folder of its own before it joined the suite's one folder
// in the user's data home.
TEST_F(CatalogueTest, OneInTheFormerPlaceIsReadUntilTheFirstChangeMovesItWhole)
{
    const QString former = Catalogue::formerUserPath();
    EXPECT_EQ(former, data.path("suite-runtime/controls.json"));
    EXPECT_EQ(data.catalogue(), data.path("desktop-suite/controls.json"));
    Catalogue::update([](Catalogue& catalogue) { catalogue.add(sampleEntry()); }, former);
    EXPECT_EQ(Catalogue::searchOrder().front().path, former);
    EXPECT_EQ(Catalogue::read().find("sample.sampler").library, sampleEntry().library);

    Catalogue::update([](Catalogue& catalogue) { catalogue.add(otherEntry("other.thing")); });
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(former).absolutePath()));
    std::vector<QString> identifiers;
    for (const CatalogueEntry& entry : Catalogue::read(data.catalogue()).entries())
        identifiers.push_back(entry.type.identifier);
    EXPECT_EQ(identifiers, (std::vector<QString>{"other.thing", "sample.sampler"}));
    EXPECT_EQ(Catalogue::searchOrder().front().path, data.catalogue());
    EXPECT_EQ(QFile::permissions(data.catalogue()), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}
