// The phone control as hosts reach it: through libtesk.so, its entry points and the
// user's catalogue, by class identifier and member identifier.
#include "phonectrl.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue.h"
#include "runtime/components/host.h"
#include "runtime/components/hostedcontrol.h"
#include "runtime/components/server.h"
#include "runtime/forms/form.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using runtime::Arguments;
using runtime::MemberId;
using runtime::Variant;
using namespace runtime::components;

namespace {

constexpr MemberId stdformatId = 0x60030005;
constexpr MemberId trendformatId = 0x60030006;

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const auto library = LoadedLibrary::load(TESK_LIBRARY);
        ASSERT_EQ(library->registerServer(), Ok) << lastError().toStdString();
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    static phonectrl& controlOf(Instance& instance) { return static_cast<phonectrl&>(*instance.control()); }

    static Variant call(Instance& instance, MemberId id)
    {
        Arguments none;
        const CallResult result = instance.invoke(id, CallKind::Method, none);
        EXPECT_TRUE(result.ok()) << result.errorText.toStdString();
        return result.value;
    }

    QTemporaryDir data;
    runtime::testing::ScriptedMessages messages;
};

// A window that places the phone control as a host designs it.
class Host : public runtime::Form {
public:
    explicit Host(float width)
    {
        design({"Host", 6840, 4050}, {{&phonectrl1, "", 0, 0, width, 975, 0}});
        phonectrl1.bind("clicked", this, &Host::phonectrl1_clicked);
    }
    runtime::HostedControl phonectrl1{"tesk.phonectrl"};
    QStringList formats;

private:
    void phonectrl1_clicked()
    {
        formats = {phonectrl1.call(stdformatId).toText(), phonectrl1.call(trendformatId).toText()};
    }
};

}  // namespace

TEST(TeskLibrary, ExportsTheFourEntryPointsAndNothingElseOfItsOwn)
{
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", TESK_LIBRARY});
    ASSERT_TRUE(nm.waitForFinished());
    QStringList names;
    for (const QString& line : QString::fromUtf8(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        names.append(line.section(' ', 2));
    names.sort();
    EXPECT_EQ(names, (QStringList{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer",
                                  "qt_plugin_instance", "qt_plugin_query_metadata_v2"}));
}

TEST_F(LibraryTest, PublishesItsTypeInformation)
{
    const CatalogueEntry entry = Catalogue::read().find("tesk.phonectrl");
    const ClassInfo& type = entry.type;
    EXPECT_EQ(entry.library, QFileInfo(TESK_LIBRARY).canonicalFilePath());
    EXPECT_EQ(type.description, "TXM417 Tesk Phone Control");
    EXPECT_EQ(type.name, "phonectrl");
    EXPECT_TRUE(type.control);
    EXPECT_EQ(type.threading, ThreadingModel::Apartment);
    EXPECT_EQ(type.defaultInterface.name, "_phonectrl");
    EXPECT_EQ(type.defaultInterface.flags, Dual | Hidden);
    EXPECT_EQ(type.eventInterface.name, "__phonectrl");
    EXPECT_EQ(type.eventInterface.flags, DispatchOnly | Hidden);
    ASSERT_EQ(type.defaultInterface.members.size(), 2u);
    const struct {
        const char* name;
        MemberId id;
    } methods[] = {{"stdformat", 0x60030005}, {"trendformat", 0x60030006}};
    for (std::size_t index = 0; index < 2; ++index) {
        const MemberInfo& member = type.defaultInterface.members[index];
        EXPECT_EQ(member.name, methods[index].name);
        EXPECT_EQ(member.id, methods[index].id);
        EXPECT_EQ(member.kind, MemberKind::Method);
        EXPECT_TRUE(member.parameters.empty());
        EXPECT_EQ(member.result, runtime::ValueType::String);
    }
    ASSERT_EQ(type.eventInterface.members.size(), 1u);
    EXPECT_EQ(type.eventInterface.members[0].name, "clicked");
    EXPECT_EQ(type.eventInterface.members[0].id, 1);
    EXPECT_TRUE(type.eventInterface.members[0].parameters.empty());
    ASSERT_EQ(type.picture.size(), 15);
    for (const QString& row : type.picture)
        EXPECT_EQ(row.size(), 16);
}

TEST_F(LibraryTest, IsCreatedByClassIdentifierAndCalledByMemberIdentifier)
{
    const auto instance = createInstance("tesk.phonectrl");
    phonectrl& control = controlOf(*instance);
    control.area.setText("312");
    control.exch.setText("447");
    control.linenum.setText("1234");
    EXPECT_EQ(call(*instance, stdformatId), Variant("(312) 447-1234"));
    EXPECT_EQ(call(*instance, trendformatId), Variant("312.447.1234"));
    Arguments extra{Variant(1)};
    EXPECT_EQ(instance->invoke(stdformatId, CallKind::Method, extra).error, 450);
}

TEST_F(LibraryTest, ClickedReachesTheHostBeforeDoneReturns)
{
    Host host(4845);
    auto& control = static_cast<phonectrl&>(*host.phonectrl1.instance().control());
    host.show();
    QApplication::setActiveWindow(host.window());
    ASSERT_EQ(QApplication::focusWidget(), control.area.widget()) << "the window's focus starts in the control";
    QTest::keyClicks(QApplication::focusWidget(), "312");
    QTest::keyClicks(QApplication::focusWidget(), "447");
    QTest::keyClicks(QApplication::focusWidget(), "1234");
    QTest::mouseClick(control.done.widget(), Qt::LeftButton);
    EXPECT_EQ(host.formats, (QStringList{"(312) 447-1234", "312.447.1234"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LibraryTest, TheHostsExtentRunsTheLayoutAndAWidthBelowTheMinimumIsWidened)
{
    Host wide(4845);
    auto& control = static_cast<phonectrl&>(*wide.phonectrl1.instance().control());
    EXPECT_EQ(control.area.width(), 736.44f);
    EXPECT_EQ(control.height(), 975);

    Host narrow(3000);
    EXPECT_EQ(narrow.phonectrl1.width(), 4000);
    EXPECT_EQ(static_cast<phonectrl&>(*narrow.phonectrl1.instance().control()).linenum.width(), 844);
}

TEST_F(LibraryTest, CanUnloadOnlyWhenNoInstanceLives)
{
    const auto library = LoadedLibrary::load(TESK_LIBRARY);
    EXPECT_EQ(library->canUnloadNow(), Ok);
    {
        Host host(4845);
        EXPECT_EQ(library->canUnloadNow(), No);
    }
    EXPECT_EQ(library->canUnloadNow(), Ok);
}

TEST_F(LibraryTest, UnregisteringRemovesTheClass)
{
    ASSERT_EQ(LoadedLibrary::load(TESK_LIBRARY)->unregisterServer(), Ok);
    EXPECT_FALSE(Catalogue::read().contains("tesk.phonectrl"));
    try {
        createInstance("tesk.phonectrl");
        ADD_FAILURE() << "created";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_TRUE(error.text().contains("tesk.phonectrl is not registered"));
    }
}
