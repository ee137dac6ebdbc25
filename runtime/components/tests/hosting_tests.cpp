// SPDX-License-Identifier: LGPL-2.1-or-later
#include "componenttesting.h"
#include "sampler.h"
#include "samplermembers.h"

#include "runtime/base/error.h"
#include "runtime/components/hostedcontrol.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/programend_p.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QWidget>

#include <cmath>

using runtime::Arguments;
using runtime::HostedControl;
using runtime::RuntimeError;
using runtime::Variant;

namespace {

// A window that hosts the sample control, as a program's window hosts a control.
class HostForm : public runtime::Form {
public:
    explicit HostForm(float width = 3000, float height = 900)
    {
        design({"Host", 6000, 3000}, {
            {&caption, "", 0, 0, 1000, 300, 0},
            {&sample, "", 300, 600, width, height, 1},
        });
        sample.bind(samplermember::changed, this, &HostForm::sample_changed);
        sample.bind(samplermember::clicked, this, &HostForm::sample_clicked);
    }

    runtime::Label caption;
    HostedControl sample{"sample.sampler"};
    std::vector<QString> seen;

private:
    void sample_changed(Arguments& arguments)
    {
        seen.push_back("changed " + arguments[0].toText());
        arguments[1] = Variant(std::int16_t(-1));
    }
    void sample_clicked()
    {
        seen.push_back("clicked, caption " + sample.get(samplermember::caption).toText());
    }
};

// A window that binds a handler under an identifier it takes for one of the control's events.
class MisboundForm : public runtime::Form {
public:
    explicit MisboundForm(runtime::MemberId event)
    {
        design({"Host", 6000, 3000}, {{&sample, "", 0, 0, 3000, 900, 0}});
        sample.bind(event, this, &MisboundForm::sample_event);
    }

    HostedControl sample{"sample.sampler"};

private:
    void sample_event() {}
};

sampler& controlOf(const HostedControl& hosted)
{
    return static_cast<sampler&>(*hosted.instance().control());
}

class HostingTest : public ::testing::Test {
protected:
    void SetUp() override { registerLibrary(SAMPLE_LIBRARY); }

    TemporaryUserData data;
    runtime::testing::ScriptedMessages messages;
};

}  // namespace

TEST_F(HostingTest, TheDesignedExtentRunsTheLayoutOnce)
{
    HostForm form;
    EXPECT_EQ(controlOf(form.sample).resizes(), 1);
    EXPECT_EQ(controlOf(form.sample).width(), 3000);
    EXPECT_EQ(controlOf(form.sample).scaleHeight(), 900);
    EXPECT_EQ(controlOf(form.sample).box.width(), 3000);
    EXPECT_EQ(form.sample.widget()->geometry(), QRect(20, 40, 200, 60));
    EXPECT_EQ(controlOf(form.sample).widget()->geometry(), QRect(0, 0, 200, 60));

    form.sample.setLeft(600);
    EXPECT_EQ(controlOf(form.sample).resizes(), 1) << "moving is no resize";
    form.sample.setHeight(1200);
    EXPECT_EQ(controlOf(form.sample).resizes(), 2);
}

TEST_F(HostingTest, AControlThatKeepsAMinimumWidthWidensItsPlaceInTheWindow)
{
    HostForm form(400, 900);
    // The layout set the width, which ran it again at once at 1000; then it went on.
    EXPECT_EQ(controlOf(form.sample).widthsSeen, (std::vector<float>{400, 1000}));
    EXPECT_EQ(form.sample.width(), sampler::minimumWidth);
    EXPECT_EQ(controlOf(form.sample).box.width(), sampler::minimumWidth);
}

TEST_F(HostingTest, EventsReachTheBoundHandlersWhileTheControlRaisesThem)
{
    HostForm form;
    EXPECT_EQ(form.sample.call(samplermember::announce, {Variant("hello")}), Variant(std::int16_t(-1)));
    form.sample.put(samplermember::caption, Variant("set by the host"));
    controlOf(form.sample).press.press();
    EXPECT_EQ(form.seen, (std::vector<QString>{"changed hello", "clicked, caption set by the host"}));
}

TEST_F(HostingTest, AFailedCallRaisesTheRuntimesError)
{
    HostForm form;
    const struct {
        std::function<void()> call;
        int error;
    } rows[] = {
        {[&] { form.sample.call(0x60039999); }, 438},
        {[&] { form.sample.call(samplermember::repeat, {Variant("x")}); }, 450},
        {[&] { form.sample.call(samplermember::fail); }, 6},
        {[&] { form.sample.get(samplermember::fail); }, 438},
        {[&] { form.sample.put(samplermember::resizes, Variant(1)); }, 383},
    };
    for (const auto& row : rows) {
        try {
            row.call();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), row.error);
        }
    }
}

TEST_F(HostingTest, TheWindowsFocusGoesIntoTheControlInItsTabOrder)
{
    HostForm form;
    form.show();
    QApplication::setActiveWindow(form.window());
    EXPECT_EQ(QApplication::focusWidget(), controlOf(form.sample).box.widget());
    form.sample.setFocus();
    EXPECT_EQ(QApplication::focusWidget(), controlOf(form.sample).box.widget());
}

TEST_F(HostingTest, AnUnregisteredControlEndsTheProgramWithOneMessage)
{
    runtime::testing::CaughtProgramEnd ended;
    const auto library = runtime::components::LoadedLibrary::load(SAMPLE_LIBRARY);
    ASSERT_EQ(library->unregisterServer(), runtime::components::Ok);
    EXPECT_THROW(HostForm form, runtime::detail::ProgramEnded);
    EXPECT_TRUE(ended.ended());
    EXPECT_EQ(ended.status(), 1);
    ASSERT_EQ(messages.shown().size(), 1u);
    const QString text = messages.shown()[0].text;
    EXPECT_TRUE(text.contains("sample.sampler is not registered")) << text.toStdString();
    EXPECT_TRUE(text.contains("controls register <folder>/libsample.so"));
    EXPECT_EQ(messages.shown()[0].style.icon, runtime::Icon::Critical);
}

// A library refused for what others may do to it is mended by taking that away, not by
// registering it again: the message gives the command that does.
TEST_F(HostingTest, ARefusedLibrarysMessageGivesTheCommandThatMendsIt)
{
    runtime::testing::TestFolder shared;
    const QString library = copyOf(SAMPLE_LIBRARY, shared.path());
    registerLibrary(library);
    const struct {
        const char* what;
        QString madeWritable;
        QString fix;
    } rows[] = {
        {"the folder", shared.path(), "Make its control library safe with\n\n    chmod o-w " + shared.path() + "\n\n"},
        {"the file", library, "Make its control library safe with\n\n    chmod o-w " + library + "\n\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(QFile::setPermissions(row.madeWritable, QFile::permissions(row.madeWritable) | QFile::WriteOther));
        runtime::testing::CaughtProgramEnd ended;
        EXPECT_THROW(HostForm form, runtime::detail::ProgramEnded);
        ASSERT_EQ(messages.shown().size(), 1u);
        const QString text = messages.shown()[0].text;
        messages.forget();
        EXPECT_TRUE(text.contains("is writable by every user.\n\n" + row.fix + "and start the program again."))
            << text.toStdString();
        EXPECT_FALSE(text.contains("Register")) << text.toStdString();
        ASSERT_TRUE(QFile::setPermissions(row.madeWritable, QFile::permissions(row.madeWritable) & ~QFile::WriteOther));
    }
}

TEST_F(HostingTest, BindingWhatIsNoEventEndsTheProgramWithOneMessage)
{
    const struct {
        const char* what;
        runtime::MemberId id;
        const char* message;
    } rows[] = {
        {"an unknown identifier", 0x60039999,
         "The control sample.sampler has no event with the member identifier 60039999."},
        {"a method's identifier", samplermember::repeat,
         "The control sample.sampler has no event with the member identifier 60030001."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        messages.forget();
        runtime::testing::CaughtProgramEnd ended;
        EXPECT_THROW(MisboundForm form(row.id), runtime::detail::ProgramEnded);
        EXPECT_EQ(ended.status(), 1);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, row.message);
    }
}

TEST(ProgramEnd, CarriesItsStatusToTheTest)
{
    runtime::testing::CaughtProgramEnd ended;
    EXPECT_THROW(runtime::detail::endProgram(3), runtime::detail::ProgramEnded);
    EXPECT_EQ(ended.status(), 3);
    EXPECT_THROW(runtime::detail::endProgram(), runtime::detail::ProgramEnded);
    EXPECT_EQ(ended.status(), 0);
}
