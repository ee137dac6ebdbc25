// SPDX-License-Identifier: LGPL-2.1-or-later
// The unique list control as hosts reach it: libsolvane.so registered in a user data
// folder of the test's own, created by class identifier, called by member identifier.
// Its published type information is compared whole by controls_script.sh.
#include "ulistctrlmembers.h"
#include "ulisttesting.h"

#include "runtime/base/error.h"
#include "runtime/components/hostedcontrol.h"
#include "runtime/components/instance.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/components/versionblock.h"
#include "runtime/forms/form.h"
#include "runtime/testing/testing.h"

using runtime::Arguments;
using runtime::MemberId;
using runtime::Variant;
using namespace runtime::components;

namespace {

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
    void addByIdentifier(const QString& item)
    {
        const CallResult result = call(ulistctrlmember::additem, CallKind::Method, {Variant(item)});
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
        design({"Host", 6000, 3000}, {{&list, "", 240, 120, 3000, 2000, 0}});
        list.bind(ulistctrlmember::clicked, this, &HostForm::list_clicked);
    }

    runtime::HostedControl list{"solvane.ulistctrl"};
    std::vector<QString> selections;

private:
    void list_clicked() { selections.push_back(list.get(ulistctrlmember::selected).toText()); }
};

}  // namespace

TEST(SolvaneLibrary, ItsVersionBlockIsReadWithoutRunningIt)
{
    const VersionBlock version = readVersionBlock(SOLVANE_LIBRARY);
    EXPECT_TRUE(version.selfRegistering);
    EXPECT_EQ(version.library, "solvane");
    EXPECT_EQ(version.description, "Listbox which doesn't add duplicates");
    EXPECT_EQ(version.classes, QStringList{"solvane.ulistctrl"});
    EXPECT_EQ(version.runtimeVersion, componentVersion);
}

TEST_F(SolvaneTest, ByMemberIdentifierCountIsTextARefusalIsSilentAndInstancesAreApart)
{
    EXPECT_EQ(call(ulistctrlmember::selected, CallKind::PropertyGet).value, Variant(QString()))
        << "the empty text, not Empty";
    for (const auto& [add, countAfter] : {std::pair{"Apple", "1"}, {"Apple", "1"}, {"apple", "2"}, {"", "3"}, {"", "3"}}) {
        SCOPED_TRACE(add);
        addByIdentifier(add);
        EXPECT_EQ(call(ulistctrlmember::count, CallKind::PropertyGet).value, Variant(QString(countAfter)));
    }
    Arguments byReference{Variant("Apple")};
    ASSERT_TRUE(instance->invoke(ulistctrlmember::additem, CallKind::Method, byReference).ok());
    EXPECT_EQ(byReference, Arguments{Variant("Apple")}) << "the caller's text comes back as it was";
    EXPECT_EQ(itemsOf(control()), (QStringList{"Apple", "apple", ""}));
    EXPECT_TRUE(events.empty()) << "a refusal raises nothing";
    EXPECT_TRUE(messages.shown().empty()) << "a refusal shows nothing";

    const std::shared_ptr<Instance> other = createInstance("solvane.ulistctrl");
    ASSERT_TRUE(other->invoke(ulistctrlmember::additem, CallKind::Method, byReference).ok());
    Arguments none;
    EXPECT_EQ(other->invoke(ulistctrlmember::count, CallKind::PropertyGet, none).value, Variant("1"))
        << "each instance has its own items";
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
        {"no text", ulistctrlmember::additem, CallKind::Method, {}, runtime::RuntimeError::WrongArguments},
        {"a number", ulistctrlmember::additem, CallKind::Method, {Variant(std::int32_t(12))},
         runtime::RuntimeError::TypeMismatch},
        {"Empty", ulistctrlmember::additem, CallKind::Method, {Variant()}, runtime::RuntimeError::TypeMismatch},
        {"count written", ulistctrlmember::count, CallKind::PropertyPut, {Variant("5")},
         runtime::RuntimeError::PropertyReadOnly},
        {"selected written", ulistctrlmember::selected, CallKind::PropertyPut, {Variant("Apple")},
         runtime::RuntimeError::PropertyReadOnly},
        {"a removal it does not have", 0x60030005, CallKind::Method, {Variant("Apple")}, runtime::RuntimeError::NotSupported},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(call(row.id, row.kind, row.arguments).error, row.error);
    }
    EXPECT_EQ(itemsOf(control()), QStringList{"Apple"});
}

// The host's handler runs inside the click and reads the new selection.
TEST_F(SolvaneTest, AWindowPlacesItByIdentifierAndHearsEveryClick)
{
    HostForm form;
    const ulistctrl& hosted = static_cast<const ulistctrl&>(*form.list.instance().control());
    EXPECT_EQ(hosted.ulist.width(), 3000) << "the list covers the designed extent";
    EXPECT_EQ(hosted.ulist.height(), 2000);

    for (const char* item : {"Apple", "Banana", "Apple", "Cherry"})
        form.list.call(ulistctrlmember::additem, {Variant(item)});
    EXPECT_EQ(form.list.get(ulistctrlmember::count), Variant("3"));
    form.show();
    QApplication::setActiveWindow(form.window());
    for (int index : {1, 2, 2})
        clickItem(hosted, index);
    EXPECT_EQ(form.selections, (std::vector<QString>{"Banana", "Cherry", "Cherry"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(SolvaneLibrary, ALibraryFileThatIsGoneIsNamedWithTheClassIdentifier)
{
    TemporaryUserData data;
    const QString copy = copyOf(SOLVANE_LIBRARY, data.path(), "libsolvane.so");
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
