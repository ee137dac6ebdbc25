// SPDX-License-Identifier: LGPL-2.1-or-later
// The try-out window of `controls try`, off screen, with the sample control: chosen,
// typed into and clicked as a user does.
#include "runtime/components/tests/componenttesting.h"
#include "runtime/components/tests/sample/sampler.h"
#include "runtime/testing/listclicks.h"
#include "runtime/testing/testing.h"
#include "runtime/testing/textprinting.h"
#include "runtime/tools/commands.h"
#include "runtime/tools/tryout.h"

#include <QApplication>
#include <QTest>

using runtime::tools::TryOut;


namespace {

enum class Press { Call, Write };

QStringList entriesOf(const runtime::ListBox& list)
{
    QStringList entries;
    for (int index = 0; index < list.count(); ++index)
        entries.append(list.item(index));
    return entries;
}

class TryOutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerLibrary(SAMPLE_LIBRARY);
        instance = runtime::components::createInstance("sample.sampler");
        window = std::make_unique<TryOut>(instance, [this](const QString& line) { echoed.append(line); });
        window->show();
        QApplication::setActiveWindow(window->window());
    }

    sampler& control() const { return static_cast<sampler&>(*instance->control()); }

    // Clicks the member's row in the list of members.
    void choose(const QString& name)
    {
        for (int row = 0; row < window->members.count(); ++row) {
            const QString signature = window->members.item(row).mid(20);
            if (signature.startsWith(name + '(') || signature.startsWith(name + " As")) {
                runtime::testing::clickEntry(window->members, row);
                ASSERT_EQ(window->members.currentIndex(), row);
                return;
            }
        }
        FAIL() << "no member " << name.toStdString();
    }

    // Replaces the text of a box by typing, as the user does.
    static void typeInto(runtime::TextBox& box, const QString& text)
    {
        QTest::mouseClick(box.widget(), Qt::LeftButton);
        QTest::keyClick(box.widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box.widget(), Qt::Key_Delete);
        QTest::keyClicks(box.widget(), text);
    }

    static void press(runtime::Button& button) { QTest::mouseClick(button.widget(), Qt::LeftButton); }

    // The lines the log gained since the last look.
    QStringList newLines()
    {
        const QStringList all = entriesOf(window->log);
        const QStringList added = all.mid(seen);
        seen = static_cast<int>(all.size());
        return added;
    }

    TemporaryUserData data;
    runtime::testing::ScriptedMessages messages;
    std::shared_ptr<runtime::components::Instance> instance;
    std::unique_ptr<TryOut> window;
    QStringList echoed;
    int seen = 0;
};

}  // namespace

TEST_F(TryOutTest, ListsEveryMemberWithItsIdentifierFromTheTypeInformation)
{
    EXPECT_EQ(window->caption(), "Try sample.sampler");
    EXPECT_EQ(window->classname.caption(), "sample.sampler: Sample control for tests");
    EXPECT_EQ(entriesOf(window->members), (QStringList{
        "60030001  method    repeat(text As String, times As Short) As String",
        "60030002  method    reverse(ByRef text As String)",
        "60030003  method    total(whole As Long, part As Double) As Double",
        "60030004  method    fail()",
        "60030005  method    announce(text As String) As Short",
        "68030000  property  caption As String",
        "68030001  property  resizes As Long (read-only)",
        "68030002  property  marked As Boolean",
        "68030003  property  times As Short",
        "68030004  property  limit As Long",
        "68030005  property  ratio As Double",
        "1         event     changed(text As String, ByRef cancel As Short)",
        "2         event     clicked()",
    }));
    EXPECT_EQ(window->members.currentIndex(), 0);
    EXPECT_EQ(window->signature.caption(), "repeat(text As String, times As Short) As String\nThe text so many times over");
}

TEST_F(TryOutTest, CallsAndReadsByMemberIdentifierWithTypedArguments)
{
    const struct {
        const char* member;
        const char* typed;
        Press button;
        QStringList logged;
    } rows[] = {
        {"repeat", "\"ab\", 3%", Press::Call, {"call repeat \"ab\", 3% -> \"ababab\""}},
        {"repeat", "\"a\"\"b\" 2", Press::Call, {"call repeat \"a\"\"b\" 2 -> \"a\"\"ba\"\"b\""}},
        {"total", "2, 0.5", Press::Call, {"call total 2, 0.5 -> 2.5"}},
        {"reverse", "\"abc\"", Press::Call, {"call reverse \"abc\" -> ok", "  argument 1 is now \"cba\""}},
        {"caption", "", Press::Call, {"get caption -> \"\""}},
        {"caption", "\"set by hand\"", Press::Write, {"put caption \"set by hand\" -> ok"}},
        {"caption", "ignored when read", Press::Call, {"get caption -> \"set by hand\""}},
        {"resizes", "", Press::Call, {"get resizes -> 1"}},
        // An event raised during a call is logged as it arrives, before the call's result.
        {"announce", "\"hi\"", Press::Call, {"event changed \"hi\", 0", "call announce \"hi\" -> 0"}},
        {"fail", "", Press::Call, {"call fail -> error 6: Overflow"}},
        {"repeat", "1, 2", Press::Call, {"call repeat 1, 2 -> error 13: Type mismatch"}},
        {"repeat", "\"ab\"", Press::Call,
         {"call repeat \"ab\" -> error 450: Wrong number of arguments or invalid property assignment"}},
        {"repeat", "\"ab\", 70000%", Press::Call,
         {"call repeat \"ab\", 70000% -> not called: 70000% is no value (\"text\", 12, 12%, 1.5, True, False or Empty)"}},
        {"repeat", "ab, 2", Press::Call,
         {"call repeat ab, 2 -> not called: ab is no value (\"text\", 12, 12%, 1.5, True, False or Empty)"}},
        {"reverse", "\"abc", Press::Call, {"call reverse \"abc -> not called: a text is not closed by a quote"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.member) + " " + row.typed);
        choose(row.member);
        typeInto(window->arguments, row.typed);
        press(row.button == Press::Call ? window->invoke : window->write);
        EXPECT_EQ(newLines(), row.logged);
    }
    EXPECT_EQ(control().caption(), "set by hand");
    EXPECT_EQ(echoed, entriesOf(window->log)) << "every line goes to standard output as well";
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TryOutTest, TheButtonsFollowTheKindOfMemberChosen)
{
    const struct {
        const char* member;
        const char* invokeCaption;
        bool invokeEnabled;
        bool writeEnabled;
    } rows[] = {
        {"repeat", "Call", true, false},
        {"caption", "Read", true, true},
        {"resizes", "Read", true, false},
        {"changed", "Call", false, false},
        {"clicked", "Call", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.member);
        choose(row.member);
        EXPECT_EQ(window->invoke.caption(), row.invokeCaption);
        EXPECT_EQ(window->invoke.enabled(), row.invokeEnabled);
        EXPECT_EQ(window->write.enabled(), row.writeEnabled);
    }
    typeInto(window->arguments, "\"x\"");
    QTest::keyClick(window->arguments.widget(), Qt::Key_Return);
    EXPECT_TRUE(newLines().isEmpty()) << "an event is not called";
}

TEST_F(TryOutTest, EnterInTheArgumentsOrADoubleClickOnAMemberCallsIt)
{
    choose("reverse");
    typeInto(window->arguments, "\"xy\"");
    QTest::keyClick(window->arguments.widget(), Qt::Key_Return);
    EXPECT_EQ(newLines(), (QStringList{"call reverse \"xy\" -> ok", "  argument 1 is now \"yx\""}));
    EXPECT_EQ(window->arguments.text(), "\"xy\"") << "the Enter is no character of the arguments";

    QWidget* rows = runtime::testing::listView(window->members).viewport();
    // As the window system delivers it: a click, then a second press as double-click.
    const QPoint resizes = runtime::testing::entryCentre(window->members, 6);
    QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, resizes);
    QTest::mouseDClick(rows, Qt::LeftButton, Qt::NoModifier, resizes);
    QTest::mouseRelease(rows, Qt::LeftButton, Qt::NoModifier, resizes);
    EXPECT_EQ(newLines(), QStringList{"get resizes -> 1"});
}

TEST_F(TryOutTest, EventsTheUserRaisesInTheControlAreLoggedAsTheyArrive)
{
    QTest::mouseClick(control().press.widget(), Qt::LeftButton);
    QTest::mouseClick(control().press.widget(), Qt::LeftButton);
    EXPECT_EQ(newLines(), (QStringList{"event clicked", "event clicked"}));
    EXPECT_EQ(window->log.currentIndex(), 1) << "the newest line is in sight";
}

TEST_F(TryOutTest, TheControlStartsAtItsDesignSizeAndTakesTheExtentTyped)
{
    EXPECT_EQ(window->extentwidth.text(), "1200");
    EXPECT_EQ(window->extentheight.text(), "600");
    EXPECT_EQ(control().resizes(), 1);
    EXPECT_EQ(control().widget()->parentWidget()->parentWidget(), window->stage.widget());

    const struct {
        const char* width;
        const char* height;
        QString logged;
        const char* widthShown;
    } rows[] = {
        {"3000", "2000", "resize 3000 2000 -> 3000 x 2000", "3000"},
        // The sample keeps a minimum width: its layout asks for it, the window gives it.
        {"400", "900", "resize 400 900 -> 1000 x 900", "1000"},
        {"1234.5", "600", "resize 1234.5 600 -> 1234.5 x 600", "1234.5"},
        {"wide", "600", "resize wide 600 -> not done: a width and a height from 0 to 100000 twips", "wide"},
        {"-1", "600", "resize -1 600 -> not done: a width and a height from 0 to 100000 twips", "-1"},
        {"1e30", "600", "resize 1e30 600 -> not done: a width and a height from 0 to 100000 twips", "1e30"},
        {"1500", "", "resize 1500  -> not done: a width and a height from 0 to 100000 twips", "1500"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.logged.toStdString());
        typeInto(window->extentwidth, row.width);
        typeInto(window->extentheight, row.height);
        press(window->resize);
        EXPECT_EQ(newLines(), QStringList{row.logged});
        EXPECT_EQ(window->extentwidth.text(), row.widthShown);
    }
    EXPECT_EQ(control().width(), 1234.5f);
    EXPECT_EQ(control().widget()->parentWidget()->size(), QSize(82, 40)) << "its holder follows, in pixels";
}

TEST_F(TryOutTest, ClosingTheWindowDestroysTheControl)
{
    EXPECT_EQ(instance->libraryCanUnloadNow(), runtime::components::No);
    window.reset();
    EXPECT_FALSE(instance->isAlive());
    EXPECT_EQ(instance->libraryCanUnloadNow(), runtime::components::Ok);
}

TEST(ControlsTry, AClassThatCannotBeCreatedIsReportedWithoutAWindow)
{
    TemporaryUserData data;
    QStringList out;
    QStringList errors;
    const runtime::tools::Output output{[&](const QString& line) { out.append(line); },
                                        [&](const QString& line) { errors.append(line); }, [] { return QByteArray(); }};
    EXPECT_EQ(runtime::tools::runCommand({"try", "sample.sampler"}, output), 1);
    EXPECT_EQ(errors, QStringList{"Cannot create the control sample.sampler: the class sample.sampler is not registered"});
    EXPECT_EQ(runtime::tools::runCommand({"try", "no class"}, output), 1);
    EXPECT_EQ(errors.value(1), "Cannot create the control no class: a class identifier is a library name, a point and a "
                               "class name");
    EXPECT_EQ(runtime::tools::runCommand({"try", "sample.sampler", "more"}, output), 2) << "one class at a time";
    EXPECT_TRUE(out.isEmpty());
}
