#include "phonetest.h"

#include "runtime/components/host.h"
#include "runtime/components/server.h"
#include "runtime/testing/hooks.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using runtime::testing::CaughtProgramEnd;
using runtime::testing::ScriptedMessages;

namespace {

// Each test registers the built phone control library in a user data folder of its own.
class PhoneTestWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const auto library = runtime::components::LoadedLibrary::load(TESK_LIBRARY);
        ASSERT_EQ(library->registerServer(), runtime::components::Ok) << runtime::components::lastError().toStdString();
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    void start()
    {
        window = std::make_unique<PhoneTest>();
        window->show();
        QApplication::setActiveWindow(window->window());
    }

    // Keys go where the focus is, as the user's do.
    static void type(const char* keys)
    {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
    }

    QWidget* child(const char* name) const
    {
        return window->phonectrl1.instance().control()->child(name)->widget();
    }

    void pressDone() const { QTest::mouseClick(child("done"), Qt::LeftButton); }

    QTemporaryDir data;
    ScriptedMessages messages;
    std::unique_ptr<PhoneTest> window;
};

}  // namespace

TEST_F(PhoneTestWindow, ShowsBothFormatsWhenTheControlReportsClicked)
{
    start();
    EXPECT_EQ(window->caption(), "Form1");
    EXPECT_EQ(window->stdform.caption(), "");
    EXPECT_EQ(window->fancy.caption(), "");
    type("312");
    type("447");
    type("1234");
    pressDone();
    EXPECT_EQ(window->stdform.caption(), "(312) 447-1234");
    EXPECT_EQ(window->fancy.caption(), "312.447.1234");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PhoneTestWindow, DoneAgainReplacesTheLabelsAndAnEmptyBoxLeavesThem)
{
    start();
    type("3124471234");
    pressDone();

    QWidget* line = child("linenum");
    QTest::mouseClick(line, Qt::LeftButton);
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClick(line, Qt::Key_Backspace);
    type("9");
    pressDone();
    EXPECT_EQ(window->stdform.caption(), "(312) 447-1239");
    EXPECT_EQ(window->fancy.caption(), "312.447.1239");

    QTest::mouseClick(child("exch"), Qt::LeftButton);
    QTest::keyClick(child("exch"), Qt::Key_End);
    for (int key = 0; key < 3; ++key)
        QTest::keyClick(child("exch"), Qt::Key_Backspace);
    pressDone();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "exchange is required");
    EXPECT_EQ(messages.shown()[0].title, "tests") << "the program's own title";
    EXPECT_EQ(window->stdform.caption(), "(312) 447-1239");
    EXPECT_EQ(window->fancy.caption(), "312.447.1239");
}

TEST_F(PhoneTestWindow, PlacesTheControlAtItsDesignedExtent)
{
    start();
    EXPECT_EQ(window->phonectrl1.width(), 4845);
    EXPECT_EQ(window->phonectrl1.height(), 975);
    const auto* control = window->phonectrl1.instance().control();
    EXPECT_EQ(control->child("area")->width(), 736.44f);
    EXPECT_LT(control->child("exch")->left(), control->child("Label2")->left());
}

TEST_F(PhoneTestWindow, ExitEndsTheProgramEvenWithEmptyLabels)
{
    start();
    CaughtProgramEnd ended;
    QTest::mouseClick(window->Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(ended.ended());
    EXPECT_EQ(ended.status(), 0);
}

TEST_F(PhoneTestWindow, WithoutTheControlOneMessageSaysHowToRegisterItAndTheProgramEnds)
{
    ASSERT_EQ(runtime::components::LoadedLibrary::load(TESK_LIBRARY)->unregisterServer(), runtime::components::Ok);
    CaughtProgramEnd ended;
    EXPECT_THROW(start(), runtime::detail::ProgramEnded);
    EXPECT_EQ(ended.status(), 1);
    EXPECT_EQ(window, nullptr) << "no window was built";
    ASSERT_EQ(messages.shown().size(), 1u);
    const QString text = messages.shown()[0].text;
    EXPECT_TRUE(text.contains("tesk.phonectrl")) << text.toStdString();
    // The test program lies in the build's bin/, beside the tool, with the library in lib/.
    const QString command = QFileInfo(CONTROLS_TOOL).canonicalFilePath() + " register "
        + QFileInfo(TESK_LIBRARY).canonicalFilePath();
    EXPECT_TRUE(text.contains(command)) << text.toStdString();
}

TEST_F(PhoneTestWindow, ADamagedCatalogueIsNamedInTheMessage)
{
    QFile catalogue(data.filePath("suite-runtime/controls.json"));
    ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
    catalogue.write("{\"format\": 1, \"classes\": ");
    catalogue.close();
    CaughtProgramEnd ended;
    EXPECT_THROW(start(), runtime::detail::ProgramEnded);
    EXPECT_EQ(ended.status(), 1);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains("is damaged")) << messages.shown()[0].text.toStdString();
    EXPECT_TRUE(messages.shown()[0].text.contains("controls.json"));
}
