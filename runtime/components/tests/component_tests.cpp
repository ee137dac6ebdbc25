// SPDX-License-Identifier: LGPL-2.1-or-later
#include "componenttesting.h"
#include "sampler.h"
#include "samplermembers.h"

#include "runtime/base/error.h"
#include "runtime/components/instance.h"
#include "runtime/components/versionblock.h"
#include "runtime/files/trust_p.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include <sys/stat.h>

using runtime::Arguments;
using runtime::MemberId;
using runtime::RuntimeError;
using runtime::Variant;
using runtime::CheckedPath;
using namespace runtime::components;

namespace {

QString creationError(const QString& classIdentifier)
{
    try {
        createInstance(classIdentifier);
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::CannotCreateObject);
        return error.text();
    }
    return "<created>";
}

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override { registerLibrary(SAMPLE_LIBRARY); }

    std::shared_ptr<Instance> create() { return createInstance("sample.sampler"); }

    static sampler& control(Instance& instance) { return static_cast<sampler&>(*instance.control()); }

    TemporaryUserData data;
};

}  // namespace

TEST_F(ComponentTest, RegistersItsClassWithTypeInformationAndAbsolutePath)
{
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 1u);
    const CatalogueEntry& entry = entries[0];
    EXPECT_EQ(entry.library, QFileInfo(SAMPLE_LIBRARY).canonicalFilePath());
    EXPECT_EQ(entry.type.identifier, "sample.sampler");
    EXPECT_EQ(entry.type.id, QUuid::fromString(QStringLiteral("{1afea59c-a187-4e8c-a03b-aae39eee5ce2}")));
    EXPECT_EQ(entry.type.description, "Sample control for tests");
    EXPECT_TRUE(entry.type.control);
    EXPECT_EQ(entry.type.defaultInterface.name, "_sampler");
    EXPECT_EQ(entry.type.defaultInterface.flags, Dual | Hidden);
    EXPECT_EQ(entry.type.eventInterface.flags, DispatchOnly | Hidden);

    const MemberInfo* reverse = findMember(entry.type, "reverse");
    ASSERT_NE(reverse, nullptr);
    EXPECT_EQ(reverse->id, samplermember::reverse);
    ASSERT_EQ(reverse->parameters.size(), 1u);
    EXPECT_EQ(reverse->parameters[0].name, "text");
    EXPECT_TRUE(reverse->parameters[0].byReference);
    const MemberInfo* resizes = findMember(entry.type, samplermember::resizes);
    ASSERT_NE(resizes, nullptr);
    EXPECT_EQ(resizes->kind, MemberKind::Property);
    EXPECT_TRUE(resizes->readOnly);
    EXPECT_EQ(resizes->result, runtime::ValueType::Long);
    const MemberInfo* changed = findMember(entry.type, "changed");
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->kind, MemberKind::Event);
    EXPECT_FALSE(changed->parameters[0].byReference);
    EXPECT_TRUE(changed->parameters[1].byReference);
}

TEST_F(ComponentTest, RegisteringTwiceLeavesOneEntry)
{
    registerLibrary(SAMPLE_LIBRARY);
    EXPECT_EQ(Catalogue::read().entries().size(), 1u);
}

TEST_F(ComponentTest, UnregisteringRemovesExactlyTheLibrarysClasses)
{
    Catalogue::update([](Catalogue& catalogue) {
        CatalogueEntry other = catalogue.find("sample.sampler");
        other.type.libraryName = "other";
        other.type.identifier = "other.sampler";
        other.type.libraryId = QUuid::createUuid();
        catalogue.add(other);
    });
    const auto library = LoadedLibrary::load(SAMPLE_LIBRARY);
    ASSERT_EQ(library->unregisterServer(), Ok);
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type.identifier, "other.sampler");
    EXPECT_EQ(library->unregisterServer(), Ok);
}

TEST_F(ComponentTest, CreatesByClassIdentifierAndInitializes)
{
    const auto instance = create();
    EXPECT_EQ(instance->classIdentifier(), "sample.sampler");
    EXPECT_TRUE(control(*instance).initialized());
    EXPECT_EQ(control(*instance).resizes(), 0) << "only a host's extent runs the layout";
    EXPECT_EQ(instance->typeInfo().defaultInterface.members.size(), 11u);
    EXPECT_NE(instance->widget(), nullptr);
    EXPECT_EQ(instance->focusWidget(), control(*instance).box.widget());
}

TEST_F(ComponentTest, CallsByMemberIdentifier)
{
    const auto instance = create();
    const struct {
        const char* what;
        MemberId id;
        CallKind kind;
        Arguments arguments;
        Variant result;
        int error;
    } rows[] = {
        {"a method", samplermember::repeat, CallKind::Method, {Variant("ab"), Variant(std::int16_t(3))},
         Variant("ababab"), 0},
        {"a Long argument that fits a Short", samplermember::repeat, CallKind::Method, {Variant("x"), Variant(2)},
         Variant("xx"), 0},
        {"a Long argument too big for a Short", samplermember::repeat, CallKind::Method,
         {Variant("x"), Variant(70000)}, {}, 6},
        {"a number for a text", samplermember::repeat, CallKind::Method, {Variant(1), Variant(2)}, {}, 13},
        {"numbers widen", samplermember::total, CallKind::Method, {Variant(std::int16_t(2)), Variant(3)}, Variant(5.0), 0},
        {"too few arguments", samplermember::repeat, CallKind::Method, {Variant("x")}, {}, 450},
        {"too many arguments", samplermember::fail, CallKind::Method, {Variant(1)}, {}, 450},
        {"an unknown identifier", 0x60039999, CallKind::Method, {}, {}, 438},
        {"an event's identifier", samplermember::changed, CallKind::Method, {}, {}, 438},
        {"a property called as a method", samplermember::caption, CallKind::Method, {}, {}, 438},
        {"a method read as a property", samplermember::fail, CallKind::PropertyGet, {}, {}, 438},
        {"an error raised by the control", samplermember::fail, CallKind::Method, {}, {}, 6},
        {"a property written", samplermember::caption, CallKind::PropertyPut, {Variant("kept")}, {}, 0},
        {"and read", samplermember::caption, CallKind::PropertyGet, {}, Variant("kept"), 0},
        {"a read-only property written", samplermember::resizes, CallKind::PropertyPut, {Variant(3)}, {}, 383},
        {"a property written with no value", samplermember::caption, CallKind::PropertyPut, {}, {}, 450},
        {"a property written with the wrong kind", samplermember::caption, CallKind::PropertyPut, {Variant(true)}, {}, 13},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Arguments arguments = row.arguments;
        const CallResult result = instance->invoke(row.id, row.kind, arguments);
        EXPECT_EQ(result.error, row.error) << result.errorText.toStdString();
        EXPECT_EQ(result.value, row.result);
        EXPECT_EQ(result.ok(), row.error == 0);
        EXPECT_EQ(result.errorText.isEmpty(), row.error == 0);
    }
}

TEST_F(ComponentTest, AnArgumentByReferenceComesBackChanged)
{
    const auto instance = create();
    Arguments arguments{Variant("abc")};
    ASSERT_TRUE(instance->invoke(samplermember::reverse, CallKind::Method, arguments).ok());
    EXPECT_EQ(arguments[0], Variant("cba"));
}

TEST_F(ComponentTest, EventsReachTheHostBeforeTheControlGoesOn)
{
    const auto instance = create();
    std::vector<QString> seen;
    instance->setEventHandler([&](const MemberInfo& event, Arguments& arguments) {
        seen.push_back(event.name + ":" + (arguments.empty() ? QString() : arguments.front().toText()));
        // The host answers through the argument passed by reference, and may call back.
        if (event.name == "changed")
            arguments[1] = Variant(std::int16_t(-1));
        Arguments none;
        seen.push_back("resizes " + instance->invoke(samplermember::resizes, CallKind::PropertyGet, none).value.toText());
    });
    Arguments arguments{Variant("news")};
    const CallResult result = instance->invoke(samplermember::announce, CallKind::Method, arguments);
    EXPECT_EQ(result.value, Variant(std::int16_t(-1)));
    EXPECT_EQ(seen, (std::vector<QString>{"changed:news", "resizes 0"}));

    seen.clear();
    control(*instance).press.press();
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "clicked:");
}

TEST_F(ComponentTest, TheLibraryStaysInUseWhileAnInstanceOrFactoryLives)
{
    const auto library = LoadedLibrary::load(SAMPLE_LIBRARY);
    ASSERT_EQ(library->canUnloadNow(), Ok);

    auto instance = create();
    EXPECT_EQ(library->canUnloadNow(), No);
    EXPECT_EQ(instance->libraryCanUnloadNow(), No);
    instance->destroy();
    EXPECT_EQ(library->canUnloadNow(), Ok);

    ClassFactory* factory = nullptr;
    ASSERT_EQ(library->getClassObject(QUuid::fromString(QStringLiteral("{1afea59c-a187-4e8c-a03b-aae39eee5ce2}")), &factory), Ok);
    EXPECT_EQ(library->canUnloadNow(), No);
    factory->lockServer(true);
    delete factory;
    EXPECT_EQ(library->canUnloadNow(), Ok) << "a factory's locks go with it";

    ClassFactory* again = nullptr;
    ASSERT_EQ(library->getClassObject(QUuid::fromString(QStringLiteral("{1afea59c-a187-4e8c-a03b-aae39eee5ce2}")), &again), Ok);
    std::unique_ptr<ClassFactory> kept(again);
    std::unique_ptr<runtime::UserControl> made = kept->createInstance();
    kept.reset();
    EXPECT_EQ(library->canUnloadNow(), No) << "an instance outlives its factory";
    made.reset();
    EXPECT_EQ(library->canUnloadNow(), Ok);
}

TEST_F(ComponentTest, AskingForAClassTheLibraryHasNotFails)
{
    const auto library = LoadedLibrary::load(SAMPLE_LIBRARY);
    ClassFactory* factory = reinterpret_cast<ClassFactory*>(1);
    EXPECT_EQ(library->getClassObject(QUuid::createUuid(), &factory), ClassNotAvailable);
    EXPECT_EQ(factory, nullptr);
    EXPECT_TRUE(lastError().contains("has no class"));
}

TEST_F(ComponentTest, ADestroyedControlAnswersEveryCallWithAnError)
{
    const auto instance = create();
    instance->destroy();
    EXPECT_FALSE(instance->isAlive());
    Arguments none;
    const CallResult result = instance->invoke(samplermember::resizes, CallKind::PropertyGet, none);
    EXPECT_EQ(result.error, 91);
    EXPECT_EQ(result.errorText, "The control has been destroyed");
    instance->setExtent(10, 10);  // reaches nothing
    EXPECT_EQ(instance->widget(), nullptr);
}

TEST_F(ComponentTest, NoControlIsMadeOrCalledOffTheWindowThread)
{
    const auto instance = create();
    QString creation;
    CallResult call;
    std::thread worker([&] {
        creation = creationError("sample.sampler");
        Arguments none;
        call = instance->invoke(samplermember::resizes, CallKind::PropertyGet, none);
    });
    worker.join();
    EXPECT_TRUE(creation.contains("only on the window thread")) << creation.toStdString();
    EXPECT_EQ(call.error, -2147417842) << "the status hosts test for";
    EXPECT_EQ(LoadedLibrary::load(SAMPLE_LIBRARY)->canUnloadNow(), No) << "only the first instance lives";
}

TEST_F(ComponentTest, RefusesWhatCannotBeCreatedWithAReason)
{
    QTemporaryDir folder;
    QFile text(folder.filePath("libnotes.so"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library\n");
    text.close();
    const struct {
        const char* what;
        QString library;  // the catalogue's entry points here
        const char* reason;
    } rows[] = {
        {"a relative path", "lib/libsample.so", "is not absolute"},
        {"a missing file", folder.filePath("libgone.so"), "No such file"},
        {"a folder", folder.path(), "not an ordinary file"},
        {"a text file", text.fileName(), "it is no shared library of this machine"},
        {"a library without a version block", RUNTIME_LIBRARY, "carries no version block"},
        {"a library without the mark", SAMPLE_UNMARKED_LIBRARY, "no OLESelfRegister entry"},
        {"a library of other classes", SAMPLE_OTHERCLASS_LIBRARY, "holds the classes sample.other, not sample.sampler"},
        {"a library for a newer runtime", SAMPLE_NEWER_LIBRARY, "built for a newer runtime"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        pointEntryAt("sample.sampler", row.library);
        const QString error = creationError("sample.sampler");
        EXPECT_TRUE(error.startsWith("Cannot create the control sample.sampler: ")) << error.toStdString();
        EXPECT_TRUE(error.contains(row.reason)) << error.toStdString();
    }
    EXPECT_TRUE(creationError("sample.missing").contains("the class sample.missing is not registered"));
    EXPECT_TRUE(creationError("sampler").contains("a library name, a point and a class name"));
    EXPECT_TRUE(creationError("sample.sampler.old").contains("a library name, a point and a class name"));
}

TEST_F(ComponentTest, RefusesALibraryOthersCouldChange)
{
    QTemporaryDir folder;
    const QString copy = copyOf(SAMPLE_LIBRARY, folder.path());
    pointEntryAt("sample.sampler", copy);
    ASSERT_NE(createInstance("sample.sampler"), nullptr);

    const struct {
        const char* what;
        const QString path;
        mode_t mode;
        const QString reason;
    } rows[] = {
        {"a library every user can write", copy, 0757, "file " + copy + " is writable by every user"},
        {"a library in a folder every user can write", folder.path(), 0777, "folder " + folder.path() + " is writable by every user"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        struct stat before {};
        ASSERT_EQ(stat(QFile::encodeName(row.path).constData(), &before), 0);
        ASSERT_EQ(chmod(QFile::encodeName(row.path).constData(), row.mode), 0);
        const QString error = creationError("sample.sampler");
        chmod(QFile::encodeName(row.path).constData(), before.st_mode & 07777);
        EXPECT_TRUE(error.contains("the library is not trusted")) << error.toStdString();
        EXPECT_TRUE(error.contains(row.reason)) << error.toStdString();
    }
    // A sticky folder, as /tmp is, keeps others from replacing the file.
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 01777), 0);
    EXPECT_EQ(CheckedPath::openFile(copy).refusal(), "");
    chmod(QFile::encodeName(folder.path()).constData(), 0700);
}

TEST_F(ComponentTest, ADamagedCatalogueIsReportedToTheHost)
{
    data.write(data.catalogue(), "{ broken");
    const QString error = creationError("sample.sampler");
    EXPECT_TRUE(error.contains("is damaged")) << error.toStdString();
}

TEST(ComponentRegistration, ALibraryWhoseVersionBlockDisagreesWithItsDescriptorIsNotRegistered)
{
    TemporaryUserData data;
    const auto library = LoadedLibrary::load(SAMPLE_OTHERCLASS_LIBRARY);
    EXPECT_EQ(library->registerServer(), Failed);
    EXPECT_TRUE(lastError().contains("its version block names the classes sample.other")) << lastError().toStdString();
    EXPECT_FALSE(QFile::exists(data.catalogue()));
}

TEST(ComponentRegistration, ALibraryIsRefusedBeforeItIsLoaded)
{
    const struct {
        QString path;
        const char* reason;
    } rows[] = {
        {SAMPLE_NEWER_LIBRARY, "built for a newer runtime"},
        {SAMPLE_UNMARKED_LIBRARY, "no OLESelfRegister entry"},
        {RUNTIME_LIBRARY, "no version block"},
    };
    for (const auto& row : rows) {
        try {
            LoadedLibrary::load(row.path);
            ADD_FAILURE() << "loaded " << row.path.toStdString();
        } catch (const RuntimeError& error) {
            EXPECT_TRUE(error.text().contains(row.reason)) << error.text().toStdString();
        }
    }
}

TEST(ComponentRegistration, TheVersionBlockIsReadWithoutLoadingTheLibrary)
{
    const VersionBlock version = readVersionBlock(SAMPLE_NEWER_LIBRARY);
    EXPECT_TRUE(version.selfRegistering);
    EXPECT_EQ(version.library, "sample");
    EXPECT_EQ(version.classes, QStringList{"sample.sampler"});
    EXPECT_EQ(version.runtimeVersion, 2);
}

TEST(ComponentDescriptor, AFaultyDescriptorIsNamed)
{
    auto faultOf = [](auto change) {
        ClassDescriptor type = *sample::library.classes[0];
        LibraryDescriptor library = sample::library;
        const ClassDescriptor* classes[] = {&type};
        library.classes = classes;
        change(library, type);
        return descriptorFault(library);
    };
    EXPECT_EQ(faultOf([](LibraryDescriptor&, ClassDescriptor&) {}), "");
    EXPECT_TRUE(faultOf([](LibraryDescriptor& library, ClassDescriptor&) { library.name = "two words"; }).contains("no name"));
    EXPECT_TRUE(faultOf([](LibraryDescriptor&, ClassDescriptor& type) { type.id = "not-an-id"; }).contains("unique identifier"));
    EXPECT_TRUE(faultOf([](LibraryDescriptor&, ClassDescriptor& type) { type.picture[3] = "0123"; }).contains("toolbox picture"));
    EXPECT_TRUE(faultOf([](LibraryDescriptor&, ClassDescriptor& type) {
                    static const Member twice[] = {sample::library.classes[0]->defaultInterface.members[0],
                                                   sample::library.classes[0]->defaultInterface.members[0]};
                    type.defaultInterface.members = twice;
                }).contains("appears twice"));
    EXPECT_TRUE(faultOf([](LibraryDescriptor&, ClassDescriptor& type) {
                    type.eventInterface.members = type.defaultInterface.members;
                }).contains("wrong kind"));
    // A design-time default on a property that cannot be written, or of another kind.
    const struct {
        MemberId member;
        DesignDefault initial;
        const char* fault;
    } designRows[] = {
        {samplermember::resizes, std::int32_t(0),
         "resizes of _sampler has a design-time default but is no read-write property of that kind"},
        {samplermember::times, "2", "times of _sampler has a design-time default but is no read-write property of that kind"},
    };
    for (const auto& row : designRows) {
        EXPECT_EQ(faultOf([&row](LibraryDescriptor&, ClassDescriptor& type) {
                      static std::vector<Member> members;
                      members.assign(type.defaultInterface.members.begin(), type.defaultInterface.members.end());
                      std::ranges::find(members, row.member, &Member::id)->designDefault = row.initial;
                      type.defaultInterface.members = members;
                  }).toStdString(),
                  row.fault);
    }
}

// A form leaves out a value equal to the default, which the control would then not have.
TEST(ComponentRegistration, AClassThatDoesNotStartAtItsDesignTimeDefaultsIsNotRegistered)
{
    TemporaryUserData data;
    const struct {
        MemberId member;
        DesignDefault initial;
        const char* error;
    } rows[] = {
        {samplermember::times, std::int16_t(3), "the class sampler starts with times 2, not with its design-time default 3"},
        {samplermember::caption, "none",
         R"(the class sampler starts with caption "", not with its design-time default "none")"},
        {samplermember::marked, false,
         "the class sampler starts with marked True, not with its design-time default False"},
        {samplermember::ratio, 0.5, "the class sampler starts with ratio 0.25, not with its design-time default 0.5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        std::vector<Member> members(sample::library.classes[0]->defaultInterface.members.begin(),
                                    sample::library.classes[0]->defaultInterface.members.end());
        std::ranges::find(members, row.member, &Member::id)->designDefault = row.initial;
        ClassDescriptor type = *sample::library.classes[0];
        type.defaultInterface.members = members;
        const ClassDescriptor* classes[] = {&type};
        LibraryDescriptor library = sample::library;
        library.classes = classes;
        EXPECT_EQ(registerServer(library), Failed);
        EXPECT_EQ(lastError().toStdString(), std::string("Cannot register sample: ") + row.error);
        EXPECT_EQ(canUnloadNow(library), Ok) << "the instance it checked is gone";
    }
    EXPECT_FALSE(QFile::exists(data.catalogue()));
}

TEST_F(ComponentTest, AnUnusedLibraryIsLetGoAndLoadedAgainWhenNeeded)
{
    auto instance = create();
    const std::weak_ptr<LoadedLibrary> library = LoadedLibrary::load(SAMPLE_LIBRARY);
    freeUnusedLibraries();
    EXPECT_FALSE(library.expired()) << "an instance holds it";
    instance->destroy();
    freeUnusedLibraries();
    EXPECT_FALSE(library.expired()) << "so does the handle of a destroyed control";
    instance.reset();
    freeUnusedLibraries();
    EXPECT_TRUE(library.expired());
    EXPECT_TRUE(create()->isAlive());
}

TEST(CheckedPaths, AreNamedByThePathWalkedWithLinksAndDotDotResolved)
{
    QTemporaryDir temporary;
    const QString folder = QFileInfo(temporary.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(folder).mkpath("sub/deeper"));
    const QString library = copyOf(SAMPLE_LIBRARY, folder);
    ASSERT_TRUE(QFile::link("../libsample.so", folder + "/sub/link.so"));

    EXPECT_EQ(CheckedPath::openFile(folder + "/sub/deeper/../../libsample.so").path(), folder + "/libsample.so");
    EXPECT_EQ(CheckedPath::openFile(folder + "/sub/link.so").path(), folder + "/libsample.so");
}

// A class's code that fails to make its control, however it fails, leaves the host with
// no control and the reason, and the library with no live object of it.
TEST(ClassFactories, AClassThatFailsToStartIsAnErrorWhateverItThrows)
{
    const struct {
        const char* what;
        runtime::UserControl* (*create)();
        const char* error;
    } rows[] = {
        {"the runtime's error", []() -> runtime::UserControl* { throw RuntimeError(7, "Out of memory"); },
         "the class sample.sampler failed to start: Out of memory"},
        {"a standard exception", []() -> runtime::UserControl* { throw std::length_error("too many entries"); },
         "the class sample.sampler failed to start: too many entries"},
        {"anything else", []() -> runtime::UserControl* { throw 42; }, "the class sample.sampler failed to start"},
        {"no control", []() -> runtime::UserControl* { return nullptr; }, "the class sample.sampler made no control"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ClassDescriptor failing = *sample::library.classes[0];
        failing.create = row.create;
        {
            ClassFactory factory(sample::library, failing);
            EXPECT_EQ(factory.createInstance(), nullptr);
            EXPECT_EQ(lastError().toStdString(), row.error);
        }
        EXPECT_EQ(canUnloadNow(sample::library), Ok);
    }
}

TEST(ComponentRegistration, AVersionBlockThatIsIncompleteOrOfAnotherKindIsRefused)
{
    QTemporaryDir folder;
    QFile sound(SAMPLE_LIBRARY);
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    const QByteArray bytes = sound.readAll();
    const qsizetype block = bytes.indexOf("qt-project!");
    ASSERT_GE(block, 0);
    // Each change keeps the length, so the rest of the library stays where it was: a key
    // or the interface renamed, or the runtime version (a CBOR integer, one byte) set to 0.
    const QString incomplete = "lacks the library's name, classes or runtime version";
    const struct {
        const char* what;
        QByteArray from;
        QByteArray to;
        QString reason;
    } rows[] = {
        {"no library name", "glibrary", "glibrarz", incomplete},
        {"no classes", "gclasses", "gklasses", incomplete},
        {"runtime version 0", QByteArray("runtimeVersion\x01", 15), QByteArray("runtimeVersion\x00", 15), incomplete},
        {"another interface", "suite.runtime.ControlLibrary", "suite.runtime.ControlLibrarz",
         "its version block is of another kind (suite.runtime.ControlLibrarz)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QByteArray changed = bytes;
        const qsizetype at = changed.indexOf(row.from, block);
        ASSERT_GE(at, 0);
        changed.replace(at, row.from.size(), row.to);
        QFile copy(folder.filePath("libchanged.so"));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(copy.write(changed), changed.size());
        copy.close();
        try {
            readVersionBlock(copy.fileName());
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeError& error) {
            EXPECT_TRUE(error.text().contains(row.reason)) << error.text().toStdString();
        }
    }
}

TEST_F(ComponentTest, ALibraryStillHeldIsNotLetGoAndStaysTheOneLoaded)
{
    freeUnusedLibraries();
    const auto held = LoadedLibrary::load(SAMPLE_LIBRARY);
    ASSERT_EQ(held->canUnloadNow(), Ok);
    EXPECT_EQ(freeUnusedLibraries(), 0);
    EXPECT_EQ(LoadedLibrary::load(SAMPLE_LIBRARY), held);
}
