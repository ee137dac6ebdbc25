// SPDX-License-Identifier: LGPL-2.1-or-later
// The phone control as hosts reach it: through libtesk.so, its entry points and the
// user's catalogue, by class identifier and member identifier.
#include "phonectrl.h"
#include "phonectrlmembers.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue_p.h"
#include "runtime/components/host_p.h"
#include "runtime/components/hostedcontrol.h"
#include "runtime/components/server.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/forms/form.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using runtime::Arguments;
using runtime::Variant;
using namespace runtime::components;

namespace {

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override { registerLibrary(TESK_LIBRARY); }

    TemporaryUserData data;
    runtime::testing::ScriptedMessages messages;
};

// A window that places the phone control as a host designs it.
class Host : public runtime::Form {
public:
    explicit Host(float width)
    {
        design({"Host", 6840, 4050}, {{&phonectrl1, "", 0, 0, width, 975, 0}});
        phonectrl1.bind(phonectrlmember::clicked, this, &Host::phonectrl1_clicked);
    }
    runtime::HostedControl phonectrl1{"tesk.phonectrl"};
    QStringList formats;

private:
    void phonectrl1_clicked()
    {
        formats = {phonectrl1.call(phonectrlmember::stdformat).toText(),
                   phonectrl1.call(phonectrlmember::trendformat).toText()};
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

// The members hosts call by identifier, in order; the calls are tested below.
TEST_F(LibraryTest, PublishesItsTypeInformation)
{
    const CatalogueEntry entry = Catalogue::read().find("tesk.phonectrl");
    const ClassInfo& type = entry.type;
    EXPECT_EQ(entry.library, QFileInfo(TESK_LIBRARY).canonicalFilePath());
    EXPECT_EQ(type.description, "TXM417 Tesk Phone Control");
    EXPECT_TRUE(type.control);
    QStringList members;
    for (const MemberInfo& member : type.defaultInterface.members) {
        members.append(QStringLiteral("%1 %2 %3").arg(member.name).arg(member.id, 0, 16).arg(member.parameters.size()));
        EXPECT_EQ(member.result, runtime::ValueType::String);
    }
    for (const MemberInfo& event : type.eventInterface.members)
        members.append(QStringLiteral("%1 %2 %3").arg(event.name).arg(event.id, 0, 16).arg(event.parameters.size()));
    EXPECT_EQ(members, (QStringList{"stdformat 60030005 0", "trendformat 60030006 0", "clicked 1 0"}));
}

TEST_F(LibraryTest, ClickedReachesTheHostBeforeDoneReturns)
{
    Host host(4845);
    auto& control = static_cast<phonectrl&>(*host.phonectrl1.instance().control());
    host.show();
    QApplication::setActiveWindow(host.window());
    ASSERT_EQ(QApplication::focusWidget(), control.area.widget()) << "the window's focus starts in the control";
    EXPECT_EQ(control.area.width(), 736.44f) << "the host's extent runs the layout";
    for (const char* part : {"312", "447", "1234"})
        QTest::keyClicks(QApplication::focusWidget(), part);
    QTest::mouseClick(control.done.widget(), Qt::LeftButton);
    EXPECT_EQ(host.formats, (QStringList{"(312) 447-1234", "312.447.1234"}));
    EXPECT_TRUE(messages.shown().empty());
    Arguments extra{Variant(1)};
    EXPECT_EQ(host.phonectrl1.instance().invoke(phonectrlmember::stdformat, CallKind::Method, extra).error, 450);
}

TEST_F(LibraryTest, AHostsWidthBelowTheMinimumIsWidened)
{
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
