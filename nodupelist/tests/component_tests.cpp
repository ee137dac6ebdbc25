// The unique list control as hosts reach it: libsolvane.so registered in a user data
// folder of the test's own, its class created by identifier through the catalogue and
// the library's factory, its members called by member identifier.
#include "ulisttesting.h"

#include "runtime/base/error.h"
#include "runtime/components/hostedcontrol.h"
#include "runtime/components/instance.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/components/versionblock.h"
#include "runtime/forms/form.h"
#include "runtime/testing/testing.h"

#include <QFileInfo>

using runtime::Arguments;
using runtime::MemberId;
using runtime::ValueType;
using runtime::Variant;
using namespace runtime::components;

namespace {

constexpr MemberId additem = 0x60030004;
constexpr MemberId selected = 0x68030001;
constexpr MemberId count = 0x68030000;
constexpr MemberId clicked = 1;

class SolvaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerLibrary(SOLVANE_LIBRARY);
        instance = createInstance("solvane.ulistctrl");
        instance->setEventHandler([this](const MemberInfo& event, Arguments&) { events.push_back(event.name); });
    }

    CallResult call(MemberId id, CallKind kind, Arguments arguments = {})
    {
        return instance->invoke(id, kind, arguments);
    }
    // The text a property or method gave back; the error when the call failed.
    QString text(MemberId id, CallKind kind, Arguments arguments = {})
    {
        const CallResult result = call(id, kind, std::move(arguments));
        return result.ok() ? result.value.toText() : QStringLiteral("error %1").arg(result.error);
    }
    void addByIdentifier(const QString& item)
    {
        const CallResult result = call(additem, CallKind::Method, {Variant(item)});
        ASSERT_TRUE(result.ok()) << result.errorText.toStdString();
        EXPECT_TRUE(result.value.isEmpty()) << "additem returns nothing";
    }
    ulistctrl& control() const { return static_cast<ulistctrl&>(*instance->control()); }

    TemporaryUserData data;
    runtime::testing::ScriptedMessages messages;
    std::shared_ptr<Instance> instance;
    std::vector<QString> events;
};

// A window of a host that places the control by its class identifier.
class HostForm : public runtime::Form {
public:
    HostForm()
    {
        design({"Host", 6000, 3000}, {
            {&list, "", 240, 120, 3000, 2000, 0},
        });
        list.bind("clicked", this, &HostForm::list_clicked);
    }

    runtime::HostedControl list{"solvane.ulistctrl"};
    std::vector<QString> selections;

private:
    void list_clicked() { selections.push_back(list.get(selected).toText()); }
};

}  // namespace

TEST_F(SolvaneTest, RegistersItsClassWithTheTypeInformationHostsRelyOn)
{
    const std::vector<CatalogueEntry> entries = Catalogue::read().entries();
    ASSERT_EQ(entries.size(), 1u);
    const CatalogueEntry& entry = entries[0];
    EXPECT_EQ(entry.library, QFileInfo(SOLVANE_LIBRARY).canonicalFilePath());
    const ClassInfo& type = entry.type;
    EXPECT_EQ(type.identifier, "solvane.ulistctrl");
    EXPECT_EQ(type.name, "ulistctrl");
    EXPECT_EQ(type.libraryName, "solvane");
    EXPECT_EQ(type.description, "Listbox which doesn't add duplicates");
    EXPECT_TRUE(type.control);
    EXPECT_EQ(type.threading, ThreadingModel::Apartment);
    EXPECT_EQ(type.picture.size(), pictureHeight);
    for (const QString& row : type.picture)
        EXPECT_EQ(row.size(), pictureWidth);

    // Fixed identifiers of its own: none null, none shared with another.
    const QList<QUuid> ids = {type.id, type.libraryId, type.defaultInterface.id, type.eventInterface.id};
    for (const QUuid& id : ids) {
        EXPECT_FALSE(id.isNull());
        EXPECT_EQ(ids.count(id), 1);
    }
    EXPECT_EQ(type.id, QUuid::fromString(QStringLiteral("{6cbe03b0-7cc9-4ef5-b35d-33ce8c8a638a}")));

    EXPECT_EQ(type.defaultInterface.name, "_ulistctrl");
    EXPECT_EQ(type.defaultInterface.flags, Dual | Hidden);
    EXPECT_EQ(type.eventInterface.name, "__ulistctrl");
    EXPECT_EQ(type.eventInterface.flags, DispatchOnly | Hidden);

    const struct {
        const char* name;
        MemberId id;
        MemberKind kind;
        bool readOnly;
        ValueType result;
    } members[] = {
        {"additem", additem, MemberKind::Method, false, ValueType::Empty},
        {"selected", selected, MemberKind::Property, true, ValueType::String},
        {"count", count, MemberKind::Property, true, ValueType::String},
    };
    ASSERT_EQ(type.defaultInterface.members.size(), std::size(members));
    for (std::size_t index = 0; index < std::size(members); ++index) {
        const MemberInfo& member = type.defaultInterface.members[index];
        SCOPED_TRACE(members[index].name);
        EXPECT_EQ(member.name, members[index].name) << "in the published order";
        EXPECT_EQ(member.id, members[index].id);
        EXPECT_EQ(member.kind, members[index].kind);
        EXPECT_EQ(member.readOnly, members[index].readOnly);
        EXPECT_EQ(member.result, members[index].result);
    }
    const MemberInfo& add = type.defaultInterface.members[0];
    ASSERT_EQ(add.parameters.size(), 1u);
    EXPECT_EQ(add.parameters[0].name, "str");
    EXPECT_EQ(add.parameters[0].type, ValueType::String);
    EXPECT_TRUE(add.parameters[0].byReference);

    ASSERT_EQ(type.eventInterface.members.size(), 1u);
    EXPECT_EQ(type.eventInterface.members[0].name, "clicked");
    EXPECT_EQ(type.eventInterface.members[0].id, clicked);
    EXPECT_TRUE(type.eventInterface.members[0].parameters.empty());
}

TEST(SolvaneLibrary, ItsVersionBlockIsReadWithoutRunningIt)
{
    const VersionBlock version = readVersionBlock(SOLVANE_LIBRARY);
    EXPECT_TRUE(version.selfRegistering);
    EXPECT_EQ(version.library, "solvane");
    EXPECT_EQ(version.description, "Listbox which doesn't add duplicates");
    EXPECT_EQ(version.classes, QStringList{"solvane.ulistctrl"});
    EXPECT_EQ(version.runtimeVersion, componentVersion);
}

TEST_F(SolvaneTest, TheEdgeCasesHoldByMemberIdentifier)
{
    EXPECT_EQ(text(count, CallKind::PropertyGet), "0") << "a new instance";
    EXPECT_EQ(call(selected, CallKind::PropertyGet).value, Variant(QString())) << "the empty text, not Empty";

    const struct {
        const char* add;
        const char* countAfter;
    } steps[] = {
        {"Apple", "1"}, {"Apple", "1"}, {"apple", "2"}, {"Apple ", "3"}, {"", "4"}, {"", "4"}, {"apple", "4"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.add);
        addByIdentifier(step.add);
        EXPECT_EQ(call(count, CallKind::PropertyGet).value, Variant(QString(step.countAfter))) << "count is a text";
    }
    EXPECT_EQ(itemsOf(control()), (QStringList{"Apple", "apple", "Apple ", ""}));
    Arguments byReference{Variant("Apple")};
    ASSERT_TRUE(instance->invoke(additem, CallKind::Method, byReference).ok());
    EXPECT_EQ(byReference, Arguments{Variant("Apple")}) << "the caller's text comes back as it was";
    EXPECT_TRUE(events.empty()) << "a refusal raises nothing";
    EXPECT_TRUE(messages.shown().empty()) << "a refusal shows nothing";
}

TEST_F(SolvaneTest, WrongCallsComeBackAsErrorsAndChangeNothing)
{
    addByIdentifier("Apple");
    const struct {
        const char* what;
        MemberId id;
        CallKind kind;
        Arguments arguments;
        int error;
    } rows[] = {
        {"no text", additem, CallKind::Method, {}, runtime::callerror::WrongArguments},
        {"a number", additem, CallKind::Method, {Variant(std::int32_t(12))}, runtime::callerror::TypeMismatch},
        {"Empty", additem, CallKind::Method, {Variant()}, runtime::callerror::TypeMismatch},
        {"count written", count, CallKind::PropertyPut, {Variant("5")}, runtime::callerror::PropertyReadOnly},
        {"selected written", selected, CallKind::PropertyPut, {Variant("Apple")}, runtime::callerror::PropertyReadOnly},
        {"a removal it does not have", 0x60030005, CallKind::Method, {Variant("Apple")}, runtime::callerror::NotSupported},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(call(row.id, row.kind, row.arguments).error, row.error);
    }
    EXPECT_EQ(itemsOf(control()), QStringList{"Apple"});
}

TEST_F(SolvaneTest, ClickingTheListTellsTheHostAndSelectedFollows)
{
    for (const char* item : {"Apple", "Banana", "Cherry"})
        addByIdentifier(item);
    instance->widget()->show();
    QApplication::setActiveWindow(instance->widget());
    QString selectedWhileRaised;
    instance->setEventHandler([&](const MemberInfo& event, Arguments&) {
        events.push_back(event.name);
        selectedWhileRaised = text(selected, CallKind::PropertyGet);
    });

    clickItem(control(), 2);
    EXPECT_EQ(events, std::vector<QString>{"clicked"});
    EXPECT_EQ(selectedWhileRaised, "Cherry") << "the host can read the selection inside its handler";
    EXPECT_EQ(text(selected, CallKind::PropertyGet), "Cherry");
    clickItem(control(), 0);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(text(selected, CallKind::PropertyGet), "Apple");
}

TEST_F(SolvaneTest, TwoInstancesKeepTheirOwnItems)
{
    const std::shared_ptr<Instance> other = createInstance("solvane.ulistctrl");
    addByIdentifier("Apple");
    Arguments apple{Variant("Apple")};
    ASSERT_TRUE(other->invoke(additem, CallKind::Method, apple).ok());
    Arguments none;
    EXPECT_EQ(other->invoke(count, CallKind::PropertyGet, none).value, Variant("1"));
    EXPECT_EQ(text(count, CallKind::PropertyGet), "1");
}

TEST_F(SolvaneTest, AWindowPlacesItByIdentifierAndItsListCoversTheDesignedExtent)
{
    HostForm form;
    const ulistctrl& hosted = static_cast<const ulistctrl&>(*form.list.instance().control());
    EXPECT_EQ(hosted.ulist.width(), 3000);
    EXPECT_EQ(hosted.ulist.height(), 2000);
    EXPECT_EQ(hosted.ulist.left(), 0);
    EXPECT_EQ(hosted.ulist.top(), 0);

    form.list.call(additem, {Variant("Apple")});
    form.list.call(additem, {Variant("Banana")});
    form.list.call(additem, {Variant("Apple")});
    EXPECT_EQ(form.list.get(count), Variant("2"));
    form.show();
    QApplication::setActiveWindow(form.window());
    clickItem(hosted, 1);
    EXPECT_EQ(form.selections, std::vector<QString>{"Banana"});
    EXPECT_TRUE(messages.shown().empty());
}

TEST(SolvaneLibrary, ALibraryFileThatIsGoneIsNamedWithTheClassIdentifier)
{
    TemporaryUserData data;
    const QString copy = copyOf(SOLVANE_LIBRARY, data.folder(), "libsolvane.so");
    registerLibrary(copy);
    ASSERT_TRUE(QFile::remove(copy));
    try {
        createInstance("solvane.ulistctrl");
        ADD_FAILURE() << "created from a file that is gone";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::RuntimeError::CannotCreateObject);
        EXPECT_TRUE(error.text().startsWith("Cannot create the control solvane.ulistctrl: ")) << error.text().toStdString();
    }
}
