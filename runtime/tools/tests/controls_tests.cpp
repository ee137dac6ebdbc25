// SPDX-License-Identifier: LGPL-2.1-or-later
// The tool `controls` as a user runs it: a real process, with a user data folder of the
// test's own.
#include "runtime/components/catalogue_p.h"
#include "runtime/testing/testfolder.h"
#include "runtime/tools/commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString& path)
{
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

struct ToolRun {
    int status;
    QString out;
    QString error;
};

class ControlsTool : public ::testing::Test {
protected:
    ToolRun run(const QStringList& arguments, const QByteArray& input = {}, const QString& folder = {})
    {
        return runProgram(CONTROLS_TOOL, arguments, input, folder);
    }

    // Runs the tool under strace, which writes each file it opens, and how, into `trace`.
    ToolRun runTraced(const QString& trace, const QStringList& arguments)
    {
        const QString strace = QStandardPaths::findExecutable("strace");
        EXPECT_FALSE(strace.isEmpty()) << "strace watches what the tool opens; ./suite installs it";
        // LeakSanitizer cannot trace a process that strace traces already; the other runs
        // of the tool look for its leaks.
        const QString sanitizer = qEnvironmentVariable("ASAN_OPTIONS");
        const QString noLeakCheck = "ASAN_OPTIONS=" + sanitizer + (sanitizer.isEmpty() ? "" : ":") + "detect_leaks=0";
        return runProgram(strace, QStringList{"-f", "-q", "-E", noLeakCheck, "-e", "trace=openat", "-o", trace, CONTROLS_TOOL}
                                      + arguments);
    }

    ToolRun runProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                       const QString& folder = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data.path());
        environment.insert("XDG_DATA_DIRS", system.path("first") + ":" + system.path("second"));
        process.setProcessEnvironment(environment);
        if (!folder.isEmpty())
            process.setWorkingDirectory(folder);
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        QString error = QString::fromUtf8(process.readAllStandardError());
        // The toolkit's own notes about the environment are none of the tool's output.
        error.remove(QRegularExpression("QStandardPaths: [^\n]*\n"));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), error};
    }

    QString catalogue() const { return data.path("desktop-suite/controls.json"); }
    QString fragment(const QString& folder, const QString& name) const
    {
        return system.path(folder + "/desktop-suite/controls.d/" + name);
    }
    // What `list` says when no catalogue holds anything.
    QString nothingListed() const
    {
        return "No control class is registered. Hosts look in:\n  " + catalogue() + "\n  "
            + system.path("first/desktop-suite/controls.d/") + "\n  " + systemCatalogue("first") + "\n  "
            + system.path("second/desktop-suite/controls.d/") + "\n  " + systemCatalogue("second") + "\n";
    }
    QString systemCatalogue(const QString& folder) const { return system.path(folder + "/desktop-suite/controls.json"); }

    QByteArray catalogueBytes() const { return data.read(catalogue()); }

    const QString sample = QFileInfo(SAMPLE_LIBRARY).canonicalFilePath();
    runtime::testing::TestFolder data;
    runtime::testing::TestFolder system;  // the system data folders "first" and "second"
    runtime::testing::TestFolder work;
};

}  // namespace

TEST_F(ControlsTool, RegistersListsAndUnregisters)
{
    const ToolRun registered = run({"register", SAMPLE_LIBRARY});
    EXPECT_EQ(registered.status, 0) << registered.error.toStdString();
    EXPECT_EQ(registered.out, "Registered sample.sampler (" + sample + ")\n");
    EXPECT_EQ(registered.error, "");

    const ToolRun again = run({"register", SAMPLE_LIBRARY});
    EXPECT_EQ(again.out, registered.out);
    const ToolRun listed = run({"list"});
    EXPECT_EQ(listed.out, "sample.sampler\t{1afea59c-a187-4e8c-a03b-aae39eee5ce2}\t" + sample + "\tuser " + catalogue() + "\n");

    const ToolRun unregistered = run({"unregister", SAMPLE_LIBRARY});
    EXPECT_EQ(unregistered.status, 0);
    EXPECT_EQ(unregistered.out, "Unregistered sample.sampler (" + sample + ")\n");
    const ToolRun empty = run({"list"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, nothingListed());
}

TEST_F(ControlsTool, RegistersTheControlLibrariesOfAFolderAndNothingElse)
{
    QFile::copy(SAMPLE_LIBRARY, work.path("libsample.so"));
    QFile::copy(RUNTIME_LIBRARY, work.path("libruntime.so"));
    work.write("libnotes.so", "no library\n");
    const ToolRun registered = run({"register", work.path()});
    EXPECT_EQ(registered.status, 0) << registered.error.toStdString();
    EXPECT_EQ(registered.out, "Registered sample.sampler (" + QFileInfo(work.path("libsample.so")).canonicalFilePath() + ")\n");

    QTemporaryDir empty;
    const ToolRun none = run({"register", empty.path()});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.error, empty.path() + " holds no control library\n");
}

// A name in the folder that leads to no ordinary file is refused without opening what it
// names to read it: a device would be read as root, and a pipe could stall the tool.
TEST_F(ControlsTool, RefusesANameOfAFolderThatLeadsToNoOrdinaryFileWithoutOpeningIt)
{
    QFile::copy(SAMPLE_LIBRARY, work.path("libsample.so"));
    ASSERT_TRUE(QFile::link("/dev/zero", work.path("zero.so")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(work.path("pipe.so")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(work.path("gone"), work.path("gone.so")));
    runtime::testing::TestFolder traces;
    const ToolRun registered = runTraced(traces.path("openat"), {"register", work.path()});
    EXPECT_EQ(registered.status, 1);
    EXPECT_EQ(registered.out, "Registered sample.sampler (" + QFileInfo(work.path("libsample.so")).canonicalFilePath() + ")\n");
    const QString refused = "Cannot register %1: the library is not trusted: %2\n";
    EXPECT_EQ(registered.error.toStdString(),
              (refused.arg(work.path("gone.so"), work.path("gone") + ": No such file or directory")
               + refused.arg(work.path("pipe.so"), work.path("pipe.so") + " is not an ordinary file")
               + refused.arg(work.path("zero.so"), "/dev/zero is not an ordinary file"))
                  .toStdString());

    // Looked at (O_PATH), never opened to be read.
    const QString trace = QString::fromUtf8(traces.read("openat"));
    const QRegularExpression opened(R"re(openat\([^,]*, "(?:[^"]*/)?(zero|zero\.so|pipe\.so|gone|gone\.so)", [^)]*)re");
    QStringList lookedAt;
    for (auto match = opened.globalMatch(trace); match.hasNext();) {
        const QRegularExpressionMatch call = match.next();
        EXPECT_TRUE(call.captured().contains("O_PATH")) << call.captured().toStdString();
        lookedAt.append(call.captured(1));
    }
    // The pattern does see the tool's calls: the names listed were looked at.
    EXPECT_TRUE(lookedAt.contains("zero.so") && lookedAt.contains("pipe.so")) << lookedAt.join(' ').toStdString();
}

TEST_F(ControlsTool, ListAndDescribeSayWhyAHostWouldRefuseALibrary)
{
    const QString copy = work.path("libsample.so");
    QFile::copy(SAMPLE_LIBRARY, copy);
    ASSERT_EQ(run({"register", copy}).status, 0);
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::Permissions(0x7777)));

    const QString refusal = "refused: the library is not trusted: folder " + work.path() + " is writable by every user";
    EXPECT_EQ(run({"list"}).out,
              "sample.sampler\t{1afea59c-a187-4e8c-a03b-aae39eee5ce2}\t" + copy + "\tuser " + catalogue() + "\t" + refusal + "\n");
    const QStringList described = run({"describe", "sample.sampler"}).out.split('\n');
    EXPECT_EQ(described.value(3), refusal);
}

TEST_F(ControlsTool, ARelativePathIsTakenFromTheCurrentFolder)
{
    const ToolRun registered = run({"register", QFileInfo(SAMPLE_LIBRARY).fileName()}, {}, QFileInfo(SAMPLE_LIBRARY).absolutePath());
    EXPECT_EQ(registered.status, 0) << registered.error.toStdString();
    EXPECT_TRUE(catalogueBytes().contains(sample.toUtf8()));
}

TEST_F(ControlsTool, RefusesWhatIsNoControlLibraryAndWritesNothing)
{
    const struct {
        QString path;
        const char* reason;
    } rows[] = {
        {RUNTIME_LIBRARY, "carries no version block"},
        {SAMPLE_UNMARKED_LIBRARY, "no OLESelfRegister entry"},
        {SAMPLE_NEWER_LIBRARY, "built for a newer runtime"},
        {SAMPLE_OTHERCLASS_LIBRARY, "its version block names the classes sample.other"},
        {"/no/such/libsample.so", "No such file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const ToolRun refused = run({"register", row.path});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.out, "");
        EXPECT_TRUE(refused.error.contains(row.reason)) << refused.error.toStdString();
        EXPECT_FALSE(QFile::exists(catalogue()));
    }
}

TEST_F(ControlsTool, DescribesAClassFromTheCatalogue)
{
    run({"register", SAMPLE_LIBRARY});
    const ToolRun described = run({"describe", "sample.sampler"});
    EXPECT_EQ(described.status, 0);
    const QStringList lines = described.out.split('\n');
    const QStringList expected = {
        "sample.sampler",
        "description: Sample control for tests",
        "library: sample {6bd0f4b1-a45e-4c78-ac1e-4af36631299b} (" + sample + ")",
        "class: sampler {1afea59c-a187-4e8c-a03b-aae39eee5ce2}, a control, threading model Apartment",
        "default interface _sampler {8584781f-23ca-4511-9bfc-4cd93cf39616} (dual, hidden)",
        "  60030001  method                repeat(text As String, times As Short) As String",
        "            The text so many times over",
        "  60030002  method                reverse(ByRef text As String)",
    };
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
    EXPECT_TRUE(lines.contains("  68030001  property (read-only)  resizes As Long"));
    EXPECT_TRUE(lines.contains("  68030000  property              caption As String"));
    EXPECT_TRUE(lines.contains("event interface __sampler {4e17c52c-57b7-484a-96c4-a2d5688b5169} (dispatch only, hidden)"));
    EXPECT_TRUE(lines.contains("  1         event                 changed(text As String, ByRef cancel As Short)"));
    EXPECT_TRUE(lines.contains("  0123456789abcdef"));

    const ToolRun unknown = run({"describe", "sample.other"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.error, "the class sample.other is not registered\n");
}

TEST_F(ControlsTool, RunsAScriptAgainstTheControlOffScreen)
{
    run({"register", SAMPLE_LIBRARY});
    const QByteArray script = R"(' every kind of member, an event, the extent and the end
call repeat "ab" 3%
call reverse "abc"
call total 2, 0.5
call fail
put caption "say ""hi"""
get caption
get resizes
call announce "news"
click press
call 0x60039999
call &H60030001 "x"
resize 500 300
children
focus box
type 12
text box
focused
canunload
destroy
canunload
call repeat "a" 1%
)";
    work.write("script.txt", script);
    const ToolRun ran = run({"script", "sample.sampler", work.path("script.txt")});
    EXPECT_EQ(ran.status, 0) << ran.error.toStdString();
    EXPECT_EQ(ran.out.toStdString(), R"(call repeat "ab" 3% -> "ababab"
call reverse "abc" -> ok
  argument 1 is now "cba"
call total 2, 0.5 -> 2.5
call fail -> error 6: Overflow
put caption "say ""hi""" -> ok
get caption -> "say ""hi"""
get resizes -> 1
event changed "news", 0
call announce "news" -> 0
event clicked
call 0x60039999 -> error 438: Object doesn't support this property or method
call &H60030001 "x" -> error 450: Wrong number of arguments or invalid property assignment
resize 500 300 -> 1000 x 300
box: left 0, top 0, width 1000, height 300
press: left 0, top 300, width 900, height 300
text box -> "12"
focused -> box
canunload -> no
destroy -> ok
canunload -> yes
call repeat "a" 1% -> error 91: The control has been destroyed
)");

    const ToolRun fromInput = run({"script", "sample.sampler"}, "get resizes\n");
    EXPECT_EQ(fromInput.out, "get resizes -> 1\n");
}

TEST_F(ControlsTool, AScriptPressesKeysAndTheMouseAndSavesSnapshotsInTheCurrentFolder)
{
    run({"register", SAMPLE_LIBRARY});
    const ToolRun ran = run({"script", "sample.sampler"},
                            "focus box\nkey Shift+A\nkey Left\nkey b\ntext box\nmousedown 450 450\nmouseup 450 450\n"
                            "snapshot look.png\n",
                            work.path());
    EXPECT_EQ(ran.status, 0) << ran.error.toStdString();
    const QString look = QFileInfo(work.path()).canonicalFilePath() + "/look.png";
    EXPECT_EQ(ran.out, "text box -> \"bA\"\nevent clicked\nsnapshot look.png -> " + look + ", 80 x 40 pixels\n");
    EXPECT_EQ(QImage(look).size(), QSize(80, 40));
}

TEST_F(ControlsTool, AScriptLineItCannotReadIsNamedAndTheRestRuns)
{
    run({"register", SAMPLE_LIBRARY});
    const ToolRun ran = run({"script", "sample.sampler"}, "fly\ncall nothing\ncall repeat \"x\ncall repeat \"a\" 2x\ncall repeat \"a\" 2 3\n"
                                                         "type\nresize -1 600\nresize inf 600\nresize 600 nan\nresize 100000 600\nget resizes\n");
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.out.toStdString(), "line 1: unknown command fly\n"
                       "line 2: the control has no member named nothing\n"
                       "line 3: a text is not closed by a quote\n"
                       "line 4: 2x is no value (\"text\", 12, 12%, 1.5, True, False or Empty)\n"
                       "call repeat \"a\" 2 3 -> error 450: Wrong number of arguments or invalid property assignment\n"
                       "line 6: type needs the text to type\n"
                       "line 7: resize needs a width and a height from 0 to 100000 twips\n"
                       "line 8: resize needs a width and a height from 0 to 100000 twips\n"
                       "line 9: resize needs a width and a height from 0 to 100000 twips\n"
                       "resize 100000 600 -> 100000 x 600\n"
                       "get resizes -> 2\n");
}

TEST_F(ControlsTool, AScriptFileThatCannotBeReadIsRefusedBeforeAnythingRuns)
{
    run({"register", SAMPLE_LIBRARY});
    work.write("nul.txt", QByteArray("get resizes\n\0", 13));
    work.write("latin1.txt", "put caption \"caf\xe9\"\n");
    work.write("huge.txt", "call repeat \"" + QByteArray(1 << 20, 'x') + "\" 1%\n");
    const struct {
        QString file;
        const char* reason;
    } rows[] = {
        {work.path("missing.txt"), "Cannot read the script"},
        {work.path("nul.txt"), "holds a NUL byte at byte 12"},
        {work.path("latin1.txt"), "is not valid UTF-8"},
        {work.path(), "Cannot read the script"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        const ToolRun refused = run({"script", "sample.sampler", row.file});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.out, "");
        EXPECT_TRUE(refused.error.contains(row.reason)) << refused.error.toStdString();
    }
    const ToolRun huge = run({"script", "sample.sampler", work.path("huge.txt")});
    EXPECT_EQ(huge.status, 0);
    EXPECT_EQ(huge.out.size(), 2 * (1 << 20) + 24);  // the line, " -> ", the quoted result
}

TEST_F(ControlsTool, ADamagedOrForeignCatalogueIsReportedAndLeftAsItWas)
{
    data.write(catalogue(), "{\"format\": 1, \"classes\": {\"tesk.phonectrl\": ");
    const ToolRun damaged = run({"register", SAMPLE_LIBRARY});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.error.contains("is damaged")) << damaged.error.toStdString();
    EXPECT_TRUE(damaged.error.contains(catalogue()));
    EXPECT_EQ(catalogueBytes(), "{\"format\": 1, \"classes\": {\"tesk.phonectrl\": ");
    EXPECT_EQ(run({"list"}).status, 1);

    QFile::remove(catalogue());
    ASSERT_TRUE(QFile::link("/dev/full", catalogue()));
    const ToolRun device = run({"register", SAMPLE_LIBRARY});
    EXPECT_EQ(device.status, 1);
    EXPECT_TRUE(device.error.contains("it is a symbolic link")) << device.error.toStdString();
    EXPECT_TRUE(QFileInfo(catalogue()).isSymLink());
}

TEST_F(ControlsTool, UnregisteringALibraryThatIsGoneRemovesItsEntries)
{
    const QString copy = work.path("libsample.so");
    QFile::copy(SAMPLE_LIBRARY, copy);
    run({"register", copy});
    QFile::remove(copy);
    const ToolRun unregistered = run({"unregister", copy});
    EXPECT_EQ(unregistered.status, 0) << unregistered.error.toStdString();
    EXPECT_EQ(unregistered.out, "Unregistered sample.sampler (" + copy + ")\n");
    const ToolRun again = run({"unregister", copy});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.error, copy + ": no such library is registered\n");
}

const QString registerUsage =
    "controls register [--system [--catalogue <file> | --fragment <name>] [--staged <folder>]] <library or folder>...\n"
    "    registers each control library, or each one in a folder, through its own DllRegisterServer: for you, or with "
    "--system for every user (root only)\n";
const QString registerOptions =
    "options of register:\n"
    "  --system              for every user, into the installation's system catalogue "
    "<prefix>/share/desktop-suite/controls.json\n"
    "  --catalogue <file>    into the catalogue <file> instead\n"
    "  --fragment <name>     into the installation's fragment controls.d/<name>.json instead, a package's own\n"
    "  --staged <folder>     the files were staged under <folder> (DESTDIR): the recorded paths leave it out\n";
const QString usage = "usage: controls <command> [<argument>...]\n\n" + registerUsage
    + "controls unregister <library>...\n"
      "    unregisters each library through its DllUnregisterServer; the entries of one that is gone, or that hosts "
      "refuse, are removed directly\n"
      "controls list\n"
      "    lists every registered class in the order hosts look for it, each with its catalogue and whether it is "
      "refused or shadowed\n"
      "controls describe <class identifier>\n"
      "    shows the class's members with their kinds, identifiers and descriptions\n"
      "controls script <class identifier> [<script file>]\n"
      "    runs a script against the control off screen, from standard input without a file\n"
      "controls try [<class identifier>]\n"
      "    opens a window to try the control by hand; without one, a window to choose it first\n"
      "controls help [<command>]\n"
      "    shows how to use every command, or one\n"
      "controls --version\n"
      "    shows the version of the suite\n\n"
    + registerOptions;

TEST_F(ControlsTool, SaysHowItIsUsed)
{
    const struct {
        QStringList arguments;
        int status;
        QString out;
        QString error;
    } rows[] = {
        {{"--help"}, 0, usage, ""},
        {{"-h"}, 0, usage, ""},
        {{"help"}, 0, usage, ""},
        {{"help", "register"}, 0, registerUsage + "\n" + registerOptions, ""},
        {{"help", "list"}, 0, "controls list\n    lists every registered class in the order hosts look for it, each with its "
                               "catalogue and whether it is refused or shadowed\n", ""},
        {{"--version"}, 0, "controls 0.1\n", ""},
        {{}, 2, "", usage},
        {{"fly"}, 2, "", usage},
        {{"help", "fly"}, 2, "", usage},
        {{"help", "list", "list"}, 2, "", usage},
        {{"--version", "list"}, 2, "", usage},
        {{"list", "x"}, 2, "", usage},
        {{"list", "--system"}, 2, "", usage},
        {{"describe"}, 2, "", usage},
        {{"script"}, 2, "", usage},
        {{"script", "a", "b", "c"}, 2, "", usage},
        {{"try", "a", "b"}, 2, "", usage},
        {{"register"}, 2, "", usage},
        {{"register", "--system"}, 2, "", usage},
        {{"register", "--system", "--staged"}, 2, "", usage},
        {{"register", "--sytsem", SAMPLE_LIBRARY}, 2, "", usage},
        {{"register", "--catalogue", "x.json", SAMPLE_LIBRARY}, 2, "", usage},
        {{"register", "--system", "--catalogue", "x.json", "--fragment", "x", SAMPLE_LIBRARY}, 2, "", usage},
        {{"register", "--system", "--fragment", "../x", SAMPLE_LIBRARY}, 2, "",
         "../x is no fragment name: it is a file name that holds no slash and no \"..\", and does not start with a point\n"},
        {{"register", "--system", "--fragment", "a/b", SAMPLE_LIBRARY}, 2, "",
         "a/b is no fragment name: it is a file name that holds no slash and no \"..\", and does not start with a point\n"},
        {{"register", "--system", "--fragment", ".x", SAMPLE_LIBRARY}, 2, "",
         ".x is no fragment name: it is a file name that holds no slash and no \"..\", and does not start with a point\n"},
        {{"register", "--system", "--fragment", "x..", SAMPLE_LIBRARY}, 2, "",
         "x.. is no fragment name: it is a file name that holds no slash and no \"..\", and does not start with a point\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ToolRun ran = run(row.arguments);
        EXPECT_EQ(ran.status, row.status);
        EXPECT_EQ(ran.out.toStdString(), row.out.toStdString());
        EXPECT_EQ(ran.error.toStdString(), row.error.toStdString());
    }
    EXPECT_FALSE(QFile::exists(catalogue()));
}

// A command that opens no window has nothing to say about the session it runs in.
TEST_F(ControlsTool, SaysNothingOfTheToolkitWithoutASessionsRuntimeFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", data.path());
    environment.insert("XDG_DATA_DIRS", system.path("first"));
    environment.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(environment);
    for (const QStringList& arguments : {QStringList{"register", SAMPLE_LIBRARY}, QStringList{"list"},
                                         QStringList{"describe", "sample.sampler"}, QStringList{"help"},
                                         QStringList{"unregister", SAMPLE_LIBRARY}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        process.start(CONTROLS_TOOL, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardError().toStdString(), "");
    }
}

TEST_F(ControlsTool, RegisteringAClassFromAnotherPathSaysWhichPathItReplaces)
{
    const QString copy = work.path("libsample.so");
    QFile::copy(SAMPLE_LIBRARY, copy);
    ASSERT_EQ(run({"register", SAMPLE_LIBRARY}).status, 0);
    const ToolRun replaced = run({"register", copy});
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.out, "Registered sample.sampler (" + copy + ") in place of " + sample + "\n");
    EXPECT_EQ(run({"register", copy}).out, "Registered sample.sampler (" + copy + ")\n");
}

// A library a host refuses is never loaded, so its entry point cannot be asked.
TEST_F(ControlsTool, UnregisteringARefusedLibraryRemovesItsEntries)
{
    const QString copy = work.path("libsample.so");
    QFile::copy(SAMPLE_LIBRARY, copy);
    ASSERT_EQ(run({"register", copy}).status, 0);
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::Permissions(0x7777)));
    const ToolRun unregistered = run({"unregister", copy});
    EXPECT_EQ(unregistered.status, 0) << unregistered.error.toStdString();
    EXPECT_EQ(unregistered.out, "Unregistered sample.sampler (" + copy + ")\n");
    EXPECT_EQ(run({"list"}).out, nothingListed());
}

// A package that installs controls writes a fragment of its own beside the others.
TEST_F(ControlsTool, ListsTheFragmentOfEachEntryAfterTheUsersAndBeforeTheSingleFile)
{
    const QString stage = work.path("stage");
    QDir().mkpath(stage + QFileInfo(sample).absolutePath());
    QFile::copy(SAMPLE_LIBRARY, stage + sample);
    for (const QString& catalogue : {fragment("first", "b.json"), fragment("first", "a.json"), systemCatalogue("first")})
        ASSERT_EQ(run({"register", "--system", "--catalogue", catalogue, "--staged", stage, stage + sample}).status, 0);
    const QString mine = work.path("libsample.so");
    QFile::copy(SAMPLE_LIBRARY, mine);
    ASSERT_EQ(run({"register", mine}).status, 0);

    const QString id = "sample.sampler\t{1afea59c-a187-4e8c-a03b-aae39eee5ce2}\t";
    EXPECT_EQ(run({"list"}).out, id + mine + "\tuser " + catalogue() + "\n"
                                     + id + sample + "\tsystem " + fragment("first", "a.json") + "\tshadowed by " + catalogue() + "\n"
                                     + id + sample + "\tsystem " + fragment("first", "b.json") + "\tshadowed by " + catalogue() + "\n"
                                     + id + sample + "\tsystem " + systemCatalogue("first") + "\tshadowed by " + catalogue() + "\n");
}

TEST_F(ControlsTool, RegistersAStagedInstallationForEveryUserUnderItsInstalledPaths)
{
    const QString stage = work.path("stage");
    const QString libraries = stage + "/usr/lib/desktop-suite";
    QDir().mkpath(libraries);
    QFile::copy(SAMPLE_LIBRARY, libraries + "/libsample.so");
    const QString staged = stage + "/usr/share/desktop-suite/controls.json";

    const ToolRun registered = run({"register", "--system", "--catalogue", staged, "--staged", stage, libraries});
    EXPECT_EQ(registered.status, 0) << registered.error.toStdString();
    EXPECT_EQ(registered.out, "Registered sample.sampler (/usr/lib/desktop-suite/libsample.so)\n");
    EXPECT_EQ(registered.error, "");
    const QJsonObject classes = QJsonDocument::fromJson(work.read(staged)).object()["classes"].toObject();
    EXPECT_EQ(classes.keys(), QStringList{"sample.sampler"});
    EXPECT_EQ(classes["sample.sampler"].toObject()["library"].toString(), "/usr/lib/desktop-suite/libsample.so");
    // Every user reads it; nothing is left beside it, and no user's catalogue is made.
    EXPECT_EQ(modeOf(staged), 0644);
    EXPECT_EQ(modeOf(QFileInfo(staged).absolutePath()), 0755);
    EXPECT_EQ(QDir(QFileInfo(staged).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"controls.json"});
    EXPECT_FALSE(QFile::exists(catalogue()));

    const ToolRun outside = run({"register", "--system", "--catalogue", staged, "--staged", stage, SAMPLE_LIBRARY});
    EXPECT_EQ(outside.status, 1);
    EXPECT_EQ(outside.error, "Cannot register " SAMPLE_LIBRARY ": it is not in the staging folder " + stage + "\n");
    const ToolRun noStage = run({"register", "--system", "--catalogue", staged, "--staged", work.path("none"), libraries});
    EXPECT_EQ(noStage.status, 1);
    EXPECT_EQ(noStage.error, work.path("none") + ": no such staging folder\n");
    EXPECT_EQ(QJsonDocument::fromJson(work.read(staged)).object()["classes"].toObject(), classes);
}

TEST_F(ControlsTool, ListsEveryCatalogueInTheOrderHostsLookAndWhichEntryTheyUse)
{
    // The system catalogue of "second" names the sample library where it lies, as an
    // installation staged under "stage" would record it.
    const QString stage = work.path("stage");
    QDir().mkpath(stage + QFileInfo(sample).absolutePath());
    QFile::copy(SAMPLE_LIBRARY, stage + sample);
    ASSERT_EQ(run({"register", "--system", "--catalogue", systemCatalogue("second"), "--staged", stage, stage + sample}).status, 0);
    const QString mine = work.path("mine/libsample.so");
    QDir().mkpath(work.path("mine"));
    QFile::copy(SAMPLE_LIBRARY, mine);
    ASSERT_EQ(run({"register", mine}).status, 0);

    const QString id = "sample.sampler\t{1afea59c-a187-4e8c-a03b-aae39eee5ce2}\t";
    const ToolRun listed = run({"list"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, id + mine + "\tuser " + catalogue() + "\n" + id + sample + "\tsystem " + systemCatalogue("second")
                              + "\tshadowed by " + catalogue() + "\n");

    ASSERT_TRUE(QFile::setPermissions(work.path("mine"), QFile::Permissions(0x7777)));
    const QString refusal = "the library is not trusted: folder " + work.path("mine") + " is writable by every user";
    EXPECT_EQ(run({"list"}).out, id + mine + "\tuser " + catalogue() + "\trefused: " + refusal + "\n" + id + sample
                                     + "\tsystem " + systemCatalogue("second") + "\n");
    const ToolRun scripted = run({"script", "sample.sampler"}, "call repeat \"ab\" 3%\n");
    EXPECT_EQ(scripted.status, 0);
    EXPECT_EQ(scripted.out, "call repeat \"ab\" 3% -> \"ababab\"\n");
    EXPECT_EQ(scripted.error, "sample.sampler: the entry in the user's catalogue " + catalogue() + " is refused: " + refusal
                                  + "; it comes from the system catalogue " + systemCatalogue("second") + " instead\n");

    // A damaged catalogue is said, and the others are listed all the same.
    system.write(systemCatalogue("first"), "{\"format\": 1");
    const ToolRun damaged = run({"list"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.error.startsWith("The control catalogue " + systemCatalogue("first") + " cannot be used: it is damaged"))
        << damaged.error.toStdString();
    EXPECT_EQ(damaged.out.count('\n'), 2);
}

// Takes root's privileges away until it goes out of scope, when the test runs as root:
// the effective user becomes nobody, so root can come back.
class WithoutRoot {
public:
    WithoutRoot()
    {
        if (geteuid() != 0)
            return;
        const passwd* nobody = getpwnam("nobody");
        EXPECT_NE(nobody, nullptr);
        EXPECT_EQ(nobody ? seteuid(nobody->pw_uid) : -1, 0);
    }
    ~WithoutRoot()
    {
        if (getuid() == 0) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
};

// In the test's own process: a user other than root may not be able to reach the tool
// where it was built.
TEST_F(ControlsTool, OnlyRootRegistersControlsForEveryUser)
{
    const QString installations = QDir::cleanPath(QFileInfo(CONTROLS_TOOL).absolutePath() + "/../share/desktop-suite/controls.json");
    ASSERT_EQ(QCoreApplication::applicationDirPath(), QFileInfo(CONTROLS_TOOL).absolutePath())
        << "the tool's installation is found from the program's folder";
    for (const QString& catalogue : {installations, systemCatalogue("first")}) {
        SCOPED_TRACE(catalogue.toStdString());
        QStringList arguments = {"register", "--system", SAMPLE_LIBRARY};
        if (catalogue != installations)
            arguments = QStringList{"register", "--system", "--catalogue", catalogue, SAMPLE_LIBRARY};
        QString out;
        QString error;
        int status = 0;
        {
            const WithoutRoot withoutRoot;
            status = runtime::tools::runCommand(arguments, {[&](const QString& line) { out += line + "\n"; },
                                                            [&](const QString& line) { error += line + "\n"; },
                                                            [] { return QByteArray(); }});
        }
        EXPECT_EQ(status, 1);
        EXPECT_EQ(out, "");
        EXPECT_EQ(error, "Only root registers controls for every user: the system catalogue " + catalogue
                             + " must belong to root for other users to trust it. Register them for yourself "
                               "with: controls register <library or folder>...\n");
        EXPECT_FALSE(QFile::exists(catalogue));
    }
}

// The fragment is named as given, with .json added, in the installation's own folder.
TEST_F(ControlsTool, AFragmentIsNamedAsGivenInTheInstallationsOwnFolder)
{
    const QString fragments = QDir::cleanPath(QFileInfo(CONTROLS_TOOL).absolutePath() + "/../share/desktop-suite/controls.d");
    for (const QString& name : {QString("vendor"), QString("vendor.json")}) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        int status = 0;
        {
            const WithoutRoot withoutRoot;
            status = runtime::tools::runCommand({"register", "--system", "--fragment", name, SAMPLE_LIBRARY},
                                                {[](const QString&) {}, [&](const QString& line) { error += line + "\n"; },
                                                 [] { return QByteArray(); }});
        }
        EXPECT_EQ(status, 1);
        EXPECT_TRUE(error.contains("the system catalogue " + fragments + "/vendor.json must belong to root")) << error.toStdString();
        EXPECT_FALSE(QFile::exists(fragments + "/vendor.json"));
    }
}
