// Another local user tries to get their code run by a host: each attack plants the
// sample library in a form whose constructor leaves a mark, and the host must refuse it,
// say why, and never run it. The files are given to "nobody" as that other user, which
// needs root; CI runs the tests as root. The links at the end need no other user.
#include "componenttesting.h"

#include "runtime/base/error.h"

#include <QDir>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

using runtime::RuntimeError;
using namespace runtime::components;

namespace {

class HostingAttack : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!runsAsRoot())
            GTEST_SKIP() << "giving files to another user needs root";
        other = getpwnam("nobody")->pw_uid;
        otherGroup = getgrnam("nogroup")->gr_gid;
        qputenv("PLANTED_MARKER", QFile::encodeName(marker()));
    }
    void TearDown() override { qunsetenv("PLANTED_MARKER"); }

    QString marker() const { return work.filePath("ran"); }
    bool plantedCodeRan() const { return QFile::exists(marker()); }

    // A folder below the test's own, made with `mode` and given to `owner`.
    QString folder(const QString& name, mode_t mode, uid_t owner = 0) const
    {
        const QString path = work.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        EXPECT_EQ(::chown(QFile::encodeName(path).constData(), owner, -1), 0);
        return path;
    }

    // The planted library as libsample.so in `folder`.
    QString plant(const QString& folder, uid_t owner = 0) const
    {
        const QString library = copyOf(SAMPLE_PLANTED_LIBRARY, folder);
        EXPECT_EQ(::chown(QFile::encodeName(library).constData(), owner, -1), 0);
        return library;
    }

    static QString refusalOf(const QString& library)
    {
        try {
            LoadedLibrary::load(library);
        } catch (const RuntimeError& error) {
            return error.text();
        }
        return "<loaded>";
    }

    TemporaryUserData data;
    QTemporaryDir work;
    uid_t other = 0;
    gid_t otherGroup = 0;
};

}  // namespace

TEST_F(HostingAttack, CopiesPlantedBesideARegisteredLibraryNeverRun)
{
    // A sticky folder of root's, as /tmp is: others may add files to it, not replace them.
    const QString shared = folder("shared", 01777);
    const QString library = copyOf(SAMPLE_LIBRARY, shared);
    for (const char* probed : {"haswell", "glibc-hwcaps/x86-64-v3", "tls", "x86_64"})
        plant(folder(QStringLiteral("shared/") + probed, 0755, other), other);

    registerLibrary(library);
    ASSERT_NE(createInstance("sample.sampler"), nullptr);
    EXPECT_FALSE(plantedCodeRan());
}

TEST_F(HostingAttack, APathAnotherUserCanChangeIsRefusedBeforeItsCodeRuns)
{
    folder("hop", 0777);
    folder("target", 0755);
    plant(work.filePath("target"));
    ASSERT_EQ(::symlink("../target/libsample.so", QFile::encodeName(work.filePath("hop/link")).constData()), 0);
    ASSERT_EQ(::symlink("hop/link", QFile::encodeName(work.filePath("libsample.so")).constData()), 0);
    const QString grouped = plant(folder("grouped", 0755));
    ASSERT_EQ(::chown(QFile::encodeName(grouped).constData(), 0, otherGroup), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(grouped).constData(), 0775), 0);

    const struct {
        const char* what;
        QString library;
        QString reason;
    } rows[] = {
        {"a sticky folder of another user", plant(folder("sticky", 01777, other)),
         "folder " + work.filePath("sticky") + " is writable by user nobody"},
        {"a folder above it of another user", plant(folder("theirs/lib", 0755)),
         "folder " + work.filePath("theirs") + " is writable by user nobody"},
        {"a symbolic link through a folder every user can write", work.filePath("libsample.so"),
         "folder " + work.filePath("hop") + " is writable by every user"},
        {"a library its group can write, a group that is another account's own", grouped,
         "file " + grouped + " is writable by group nogroup"},
        {"a library of another user", plant(folder("mine", 0755), other),
         "file " + work.filePath("mine/libsample.so") + " is writable by user nobody"},
    };
    ASSERT_EQ(::chown(QFile::encodeName(work.filePath("theirs")).constData(), other, -1), 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(refusalOf(row.library).toStdString(), ("the library is not trusted: " + row.reason).toStdString());
        EXPECT_FALSE(plantedCodeRan());
    }
}

TEST_F(HostingAttack, AGroupOnlyTheCallerIsInMayWriteTheLibrary)
{
    // Root's own group: no member, and no account but root has it as its primary group.
    const QString library = copyOf(SAMPLE_LIBRARY, folder("grouped", 0775));
    ASSERT_EQ(::chown(QFile::encodeName(library).constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(library).constData(), 0775), 0);
    EXPECT_EQ(refusalOf(library).toStdString(), "<loaded>");
}

TEST_F(HostingAttack, AHostCreatesNothingFromALibraryItRefuses)
{
    registerLibrary(SAMPLE_LIBRARY);
    pointEntryAt("sample.sampler", plant(folder("sticky", 01777, other)));
    try {
        createInstance("sample.sampler");
        ADD_FAILURE() << "created";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.text().toStdString(), "Cannot create the control sample.sampler: the library is not trusted: folder "
                                    + work.filePath("sticky").toStdString() + " is writable by user nobody");
    }
    EXPECT_FALSE(plantedCodeRan());
}

TEST_F(HostingAttack, TheFileLoadedIsTheFileChecked)
{
    const QString library = copyOf(SAMPLE_LIBRARY, folder("mine", 0755));
    CheckedLibrary checked = checkLibrary(library);
    ASSERT_EQ(checked.refusal, "");

    // Its owner replaces it after the check: what is loaded is still what was checked.
    const QString planted = plant(folder("staging", 0755));
    ASSERT_EQ(::rename(QFile::encodeName(planted).constData(), QFile::encodeName(library).constData()), 0);
    const auto loaded = LoadedLibrary::load(std::move(checked));
    EXPECT_FALSE(plantedCodeRan());
    ClassFactory* factory = nullptr;
    EXPECT_EQ(loaded->getClassObject(QUuid::fromString(QStringLiteral("{1afea59c-a187-4e8c-a03b-aae39eee5ce2}")), &factory), Ok);
    delete factory;
}

TEST_F(HostingAttack, ACatalogueThatIsASymbolicLinkIsNeitherReadNorWritten)
{
    const QString target = work.filePath("elsewhere.json");
    const QByteArray emptyCatalogue = "{\"format\": 1, \"classes\": {}}\n";
    data.write(target, emptyCatalogue);
    QDir().mkpath(QFileInfo(data.catalogue()).absolutePath());
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(data.catalogue()).constData()), 0);

    EXPECT_EQ(LoadedLibrary::load(SAMPLE_LIBRARY)->registerServer(), Failed);
    EXPECT_EQ(lastError().toStdString(), "The control catalogue " + data.catalogue().toStdString()
                                             + " cannot be used: it is a symbolic link, not a file of its own");
    EXPECT_EQ(data.read(target), emptyCatalogue);
}

// Links the caller made, with no other user involved: every folder a link leads through
// is checked, whether the link names it or only the link's target does.
TEST(HostingThroughLinks, EveryFolderALinkLeadsThroughIsChecked)
{
    QTemporaryDir work;
    const auto makeFolder = [&](const QString& name, mode_t mode) {
        EXPECT_TRUE(QDir(work.path()).mkpath(name));
        EXPECT_EQ(::chmod(QFile::encodeName(work.filePath(name)).constData(), mode), 0);
    };
    const auto link = [&](const char* target, const QString& name) {
        EXPECT_EQ(::symlink(target, QFile::encodeName(work.filePath(name)).constData()), 0);
    };
    makeFolder("open", 0777);
    makeFolder("safe", 0755);
    copyOf(SAMPLE_LIBRARY, work.filePath("open"));
    copyOf(SAMPLE_LIBRARY, work.filePath("safe"));
    link("open/libsample.so", "into-open.so");
    link("../safe/libsample.so", "open/back-to-safe.so");
    link("open/back-to-safe.so", "through-open.so");
    link("safe/libsample.so", "into-safe.so");

    const QString open = work.filePath("open");
    const struct {
        const char* link;
        QString refusal;
    } rows[] = {
        {"into-open.so", "the library is not trusted: folder " + open + " is writable by every user"},
        {"through-open.so", "the library is not trusted: folder " + open + " is writable by every user"},
        {"into-safe.so", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        EXPECT_EQ(checkLibrary(work.filePath(row.link)).refusal.toStdString(), row.refusal.toStdString());
    }
}
