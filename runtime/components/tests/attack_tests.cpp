// SPDX-License-Identifier: LGPL-2.1-or-later
// Another local user tries to get their code run by a host: each attack plants the
// sample library in a form whose constructor leaves a mark, and the host must refuse it,
// say why, and never run it. The files are given to "nobody" as that other user, which
// needs root; CI runs the tests as root. The links at the end need no other user.
#include "componenttesting.h"

#include "runtime/base/error.h"
#include "runtime/components/dependencies_p.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <functional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

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

// The trust rule, one case a row: each row changes one thing about a library of root's
// in a folder of root's, and the host trusts it or refuses it, saying why.
TEST_F(HostingAttack, EachPartOfTheTrustRuleDecidesItsOwnCase)
{
    const gid_t tape = getgrnam("tape")->gr_gid;
    const auto library = [this](const QString& row) { return work.filePath(row + "/lib/libsample.so"); };
    const auto libraryFolder = [this](const QString& row) { return work.filePath(row + "/lib"); };
    const auto own = [](const QString& path, uid_t user, gid_t group) {
        EXPECT_EQ(::lchown(QFile::encodeName(path).constData(), user, group), 0);
    };
    const auto mode = [](const QString& path, mode_t mode) {
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    };
    const auto link = [](const QString& target, const QString& name) {
        EXPECT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()), 0);
    };
    const auto setfacl = [](const QString& entry, const QString& path) {
        EXPECT_EQ(QProcess::execute("setfacl", {"-m", entry, path}), 0) << entry.toStdString();
    };
    const auto trusted = [](const QString&) { return QString(); };
    const QString groupFix = ", and only root's group may be (chmod g-w %1)";
    const struct {
        const char* what;
        std::function<QString(const QString& row)> make;  // returns the path the host is given
        std::function<QString(const QString& row)> refusal;
    } rows[] = {
        {"a library of root's in folders of root's", library, trusted},
        // Owner
        {"a library of another user",
         [&](auto& row) { own(library(row), other, 0); return library(row); },
         [&](auto& row) { return "file " + library(row) + " is writable by user nobody"; }},
        {"a folder above it of another user",
         [&](auto& row) { own(work.filePath(row), other, 0); return library(row); },
         [&](auto& row) { return "folder " + work.filePath(row) + " is writable by user nobody"; }},
        // Group
        {"a library root's group may write", [&](auto& row) { mode(library(row), 0775); return library(row); }, trusted},
        {"a library another account's group may write",
         [&](auto& row) { own(library(row), 0, otherGroup); mode(library(row), 0775); return library(row); },
         [&](auto& row) { return "file " + library(row) + " is writable by group nogroup" + groupFix.arg(library(row)); }},
        {"a library a group that lists no account may write, as one of a directory service may not",
         [&](auto& row) { own(library(row), 0, tape); mode(library(row), 0775); return library(row); },
         [&](auto& row) { return "file " + library(row) + " is writable by group tape" + groupFix.arg(library(row)); }},
        {"a folder above it another account's group may write",
         [&](auto& row) { own(libraryFolder(row), 0, otherGroup); mode(libraryFolder(row), 0775); return library(row); },
         [&](auto& row) {
             return "folder " + libraryFolder(row) + " is writable by group nogroup" + groupFix.arg(libraryFolder(row));
         }},
        // Others
        {"a library every user may write",
         [&](auto& row) { mode(library(row), 0757); return library(row); },
         [&](auto& row) { return "file " + library(row) + " is writable by every user"; }},
        // Sticky folders
        {"a sticky folder of root's every user may add to",
         [&](auto& row) { mode(libraryFolder(row), 01777); return library(row); }, trusted},
        {"a sticky folder of another user",
         [&](auto& row) { mode(libraryFolder(row), 01777); own(libraryFolder(row), other, 0); return library(row); },
         [&](auto& row) { return "folder " + libraryFolder(row) + " is writable by user nobody"; }},
        // Links
        {"a link of another user's in a sticky folder every user may add to",
         [&](auto& row) {
             mode(libraryFolder(row), 01777);
             link("libsample.so", libraryFolder(row) + "/link.so");
             own(libraryFolder(row) + "/link.so", other, otherGroup);
             return libraryFolder(row) + "/link.so";
         },
         [&](auto& row) {
             return libraryFolder(row) + "/link.so is a symbolic link of user nobody in a folder every user may add to; "
                                         "it is not followed";
         }},
        {"a link of the caller's in a sticky folder every user may add to",
         [&](auto& row) {
             mode(libraryFolder(row), 01777);
             link("libsample.so", libraryFolder(row) + "/link.so");
             return libraryFolder(row) + "/link.so";
         },
         trusted},
        {"a link through a folder every user may write",
         [&](auto& row) {
             folder(row + "/hop", 0777);
             link("../lib/libsample.so", work.filePath(row + "/hop/link.so"));
             link("hop/link.so", work.filePath(row + "/link.so"));
             return work.filePath(row + "/link.so");
         },
         [&](auto& row) { return "folder " + work.filePath(row + "/hop") + " is writable by every user"; }},
        // Access lists
        {"a library whose access list lets another user write",
         [&](auto& row) { setfacl("u:nobody:rw", library(row)); return library(row); },
         [&](auto& row) { return "file " + library(row) + " grants write to user nobody through its access list"; }},
        {"a library whose access list lets another group write",
         [&](auto& row) { setfacl("g:nogroup:rwx", library(row)); return library(row); },
         [&](auto& row) { return "file " + library(row) + " grants write to group nogroup through its access list"; }},
        {"a library whose access list lets the caller write, beside a group that may not",
         [&](auto& row) { own(library(row), 0, otherGroup); setfacl("u:root:rw", library(row)); return library(row); }, trusted},
        {"a library whose access list's mask takes another user's write away",
         [&](auto& row) { setfacl("u:nobody:rw,m::r", library(row)); return library(row); }, trusted},
        {"a folder above it whose access list lets another user write",
         [&](auto& row) { setfacl("u:nobody:rwx", work.filePath(row)); return library(row); },
         [&](auto& row) { return "folder " + work.filePath(row) + " grants write to user nobody through its access list"; }},
        // What a new file would inherit is in the library's own list, when it has one.
        {"a folder whose default access list lets another user write new files",
         [&](auto& row) { setfacl("d:u:nobody:rwx", libraryFolder(row)); return library(row); }, trusted},
        {"a library made in a folder whose default access list lets another user write new files",
         [&](auto& row) {
             setfacl("d:u:nobody:rwx", libraryFolder(row));
             QFile::remove(library(row));
             plant(libraryFolder(row));
             mode(library(row), 0775);  // the group class, and so the inherited entry, may write
             return library(row);
         },
         [&](auto& row) { return "file " + library(row) + " grants write to user nobody through its access list"; }},
    };
    int number = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QString name = QString::number(++number);
        folder(name, 0755);
        plant(folder(name + "/lib", 0755));
        const QString path = row.make(name);
        const QString refusal = row.refusal(name);
        const std::string expected = refusal.isEmpty() ? "" : ("the library is not trusted: " + refusal).toStdString();
        EXPECT_EQ(checkLibrary(path).refusal.toStdString(), expected);
        if (!refusal.isEmpty()) {
            EXPECT_EQ(refusalOf(path).toStdString(), expected);
        }
        EXPECT_FALSE(plantedCodeRan());
    }
}

// A user's own group is trusted no more than any other group but root's: who else may be
// in it cannot be known for certain. The host runs as that user here.
TEST_F(HostingAttack, ALibraryTheCallersOwnGroupMayWriteIsRefusedWithTheFix)
{
    ASSERT_EQ(::chmod(QFile::encodeName(work.path()).constData(), 0755), 0);
    const QString theirs = folder("theirs", 0755, other);
    const QString library = copyOf(SAMPLE_PLANTED_LIBRARY, theirs);
    ASSERT_EQ(::chown(QFile::encodeName(library).constData(), other, otherGroup), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(library).constData(), 0775), 0);
    // Only the effective user changes, so root can come back.
    ASSERT_EQ(::seteuid(other), 0);
    const QString refusal = checkLibrary(library).refusal;
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_EQ(refusal.toStdString(), ("the library is not trusted: file " + library
                                      + " is writable by group nogroup, and only root's group may be (chmod g-w " + library + ")")
                                         .toStdString());
    EXPECT_FALSE(plantedCodeRan());
}

// A library's search path ($ORIGIN/helpers here) and LD_LIBRARY_PATH lead the system's
// loader to the libraries it needs; each is loaded only from a folder the host checked.
// Each row runs in a process of its own, as the loader reads LD_LIBRARY_PATH at start.
TEST_F(HostingAttack, TheLibrariesALibraryNeedsAreCheckedWhereTheLoaderWouldFindThem)
{
    enum class Helper { Genuine, PlantedByAnother, NamedOtherwise, None };
    const struct {
        const char* what;
        const char* library;
        Helper helpers;      // what $ORIGIN/helpers holds
        bool plantedOnPath;  // whether LD_LIBRARY_PATH names another user's folder with a planted helper
        const char* refusal;  // after "<library> needs libsamplehelper.so, which is refused: "
    } rows[] = {
        {"its RUNPATH names a folder of root's with the helper", SAMPLE_RUNPATH_LIBRARY, Helper::Genuine, false, ""},
        {"its RUNPATH names another user's folder", SAMPLE_RUNPATH_LIBRARY, Helper::PlantedByAnother, false,
         "folder %1/helpers is writable by user nobody"},
        {"its RPATH names another user's folder", SAMPLE_RPATH_LIBRARY, Helper::PlantedByAnother, false,
         "folder %1/helpers is writable by user nobody"},
        {"LD_LIBRARY_PATH, which outranks a RUNPATH, names another user's folder", SAMPLE_RUNPATH_LIBRARY, Helper::Genuine,
         true, "folder %1/theirs is writable by user nobody"},
        {"LD_LIBRARY_PATH, which an RPATH outranks, names another user's folder", SAMPLE_RPATH_LIBRARY, Helper::Genuine,
         true, ""},
        {"the helper is nowhere", SAMPLE_RUNPATH_LIBRARY, Helper::None, false,
         "it is in none of the folders the system's loader looks in"},
        {"the file found does not name itself as asked, so the loader would look again", SAMPLE_RUNPATH_LIBRARY,
         Helper::NamedOtherwise, false, "%1/helpers/libsamplehelper.so does not name itself libsamplehelper.so"},
        {"it needs a library of the system's not loaded yet", SAMPLE_NEEDING_SYSTEM_LIBRARY, Helper::None, false, ""},
    };
    int number = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QString place = folder(QString::number(++number), 0755);
        const QString library = copyOf(row.library, place);
        if (row.helpers != Helper::None) {
            const bool planted = row.helpers == Helper::PlantedByAnother;
            const QString helpers = folder(QString::number(number) + "/helpers", 0755, planted ? other : 0);
            const char* helper = planted ? SAMPLE_PLANTED_HELPER : SAMPLE_HELPER;
            copyOf(row.helpers == Helper::NamedOtherwise ? SAMPLE_LIBRARY : helper, helpers, "libsamplehelper.so");
        }
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (row.plantedOnPath) {
            const QString theirs = folder(QString::number(number) + "/theirs", 0755, other);
            copyOf(SAMPLE_PLANTED_HELPER, theirs, "libsamplehelper.so");
            environment.insert("LD_LIBRARY_PATH", theirs);
        }
        probe.setProcessEnvironment(environment);
        probe.start(HOST_PROBE, {library});
        ASSERT_TRUE(probe.waitForFinished(60000));
        const QString expected = *row.refusal == '\0'
            ? "loaded"
            : library + " needs libsamplehelper.so, which is refused: " + QString(row.refusal).arg(place);
        EXPECT_EQ(QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed().toStdString(), expected.toStdString());
        EXPECT_FALSE(plantedCodeRan());
    }
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

// Root registers into a system catalogue whose folder is still to be made, in a folder
// another user may add to. That user puts a link to a folder of root's in its place
// beforehand, in a sticky folder as /tmp; or, where they may also rename what root made,
// swaps a link to a file of root's in for the folder again and again while it is made.
// No link is followed, and nothing of root's changes.
TEST_F(HostingAttack, TheCatalogueFolderIsNeverALinkOfAnotherUsers)
{
    const QString secretFolder = folder("secret", 0700);
    const QString secret = secretFolder + "/file";
    data.write(secret, "root's own\n");
    ASSERT_EQ(::chmod(QFile::encodeName(secret).constData(), 0600), 0);
    const auto update = [](const QString& catalogue) {
        const SystemRegistration intoSystem(catalogue);
        QString error;
        try {
            Catalogue::update([](Catalogue& catalogue) { catalogue.remove([](auto&) { return true; }); }, catalogue);
        } catch (const RuntimeError& raised) {
            error = raised.text();
        }
        return error;
    };

    const QByteArray planted = QFile::encodeName(folder("sticky", 01777) + "/desktop-suite");
    ASSERT_EQ(::symlink(QFile::encodeName(secretFolder).constData(), planted.constData()), 0);
    ASSERT_EQ(::lchown(planted.constData(), other, otherGroup), 0);
    const QString catalogue = QFile::decodeName(planted) + "/controls.json";
    EXPECT_EQ(update(catalogue).toStdString(),
              ("The control catalogue " + catalogue + " cannot be used: " + QFile::decodeName(planted)
               + " is a symbolic link of user nobody in a folder every user may add to; it is not followed")
                  .toStdString());

    // The other user must reach the folder to work in it.
    ASSERT_EQ(::chmod(QFile::encodeName(work.path()).constData(), 0755), 0);
    const QString open = folder("open", 0777);
    const QByteArray made = QFile::encodeName(open + "/desktop-suite");
    const pid_t swapper = ::fork();
    if (swapper == 0) {
        if (::setgid(otherGroup) != 0 || ::setuid(other) != 0)
            ::_exit(1);
        for (int swap = 0; swap < 50000000; ++swap) {
            // A name of its own each time: what root made may hold root's files, which stay.
            const QByteArray aside = made + '.' + QByteArray::number(swap);
            if (::rename(made.constData(), aside.constData()) == 0 && ::symlink(QFile::encodeName(secret).constData(), made.constData()) == 0) {
                // Long enough for root to act on the link.
                for (int pause = 0; pause < 1000; ++pause)
                    ::getppid();
                ::unlink(made.constData());
                ::rmdir(aside.constData());
            }
        }
        ::_exit(0);
    }
    ASSERT_GT(swapper, 0);
    QString error;
    for (int attempt = 0; attempt < 500; ++attempt) {
        error = update(open + "/desktop-suite/controls.json");
        ::unlink((made + "/controls.json").constData());
        ::rmdir(made.constData());
    }
    ::kill(swapper, SIGKILL);
    ::waitpid(swapper, nullptr, 0);
    EXPECT_EQ(error.toStdString(), ("The control catalogue " + open + "/desktop-suite/controls.json cannot be used: folder "
                                    + open + " is writable by every user")
                                       .toStdString());
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(secret).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(QDir(secretFolder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"file"});
    EXPECT_EQ(data.read(secret), "root's own\n");
}

// Whoever a folder's default access list lets write would be let write the catalogue made
// in it: no catalogue is made there, unless the list's mask takes that write away.
TEST_F(HostingAttack, NoCatalogueIsMadeWhereAnotherUserCouldWriteIt)
{
    const QString folder = QFileInfo(data.catalogue()).absolutePath();
    const struct {
        const char* defaultList;
        QString error;
    } rows[] = {
        {"d:u:nobody:rw", "The control catalogue " + data.catalogue() + " cannot be used: folder " + folder
                              + " grants write to user nobody in new files through its default access list"},
        {"d:u:nobody:rw,d:m::r", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.defaultList);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(QProcess::execute("setfacl", {"-m", row.defaultList, folder}), 0);
        const int status = LoadedLibrary::load(SAMPLE_LIBRARY)->registerServer();
        EXPECT_EQ((status == Ok ? QString() : lastError()).toStdString(), row.error.toStdString());
        EXPECT_EQ(QFile::exists(data.catalogue()), row.error.isEmpty());
        QDir(folder).removeRecursively();
    }
}

// The loader's cache is read as the loader reads it, and says what ldconfig says.
TEST(LoadersCache, GivesThePathLdconfigGives)
{
    QProcess ldconfig;
    ldconfig.start("/sbin/ldconfig", {"-p"});
    ASSERT_TRUE(ldconfig.waitForFinished(60000));
    const QRegularExpression entry("\\tlibacl\\.so\\.1 \\(libc6,(?:x86-64|AArch64)\\) => (\\S+)\n");
    const QRegularExpressionMatch listed = entry.match(QString::fromLocal8Bit(ldconfig.readAllStandardOutput()));
    ASSERT_TRUE(listed.hasMatch());
    EXPECT_EQ(cachedLibraryPath("libacl.so.1").toStdString(), listed.captured(1).toStdString());
    EXPECT_EQ(cachedLibraryPath("libnone-such.so.1").toStdString(), "");
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
