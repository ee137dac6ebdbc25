// SPDX-License-Identifier: LGPL-2.1-or-later
#include "phonetest.h"

#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/components/tests/componenttesting.h"
#include "runtime/forms/programend_p.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using runtime::testing::CaughtProgramEnd;
using runtime::testing::ScriptedMessages;

namespace {

class PhoneTestWindow : public ::testing::Test {
protected:
    void SetUp() override { registerLibrary(TESK_LIBRARY); }

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

    // Without a usable control, one message, no window, and the program ends with 1.
    QString failedStartMessage()
    {
        CaughtProgramEnd ended;
        EXPECT_THROW(start(), runtime::detail::ProgramEnded);
        EXPECT_EQ(ended.status(), 1);
        EXPECT_EQ(window, nullptr) << "no window was built";
        EXPECT_EQ(messages.shown().size(), 1u);
        return messages.shown().empty() ? QString() : messages.shown()[0].text;
    }

    TemporaryUserData data;
    ScriptedMessages messages;
    std::unique_ptr<PhoneTest> window;
};

}  // namespace

TEST_F(PhoneTestWindow, EachDoneShowsBothFormatsAndAnEmptyBoxLeavesThem)
{
    start();
    EXPECT_EQ(window->stdform.caption(), "");
    type("3124471234");
    pressDone();
    EXPECT_EQ(window->stdform.caption(), "(312) 447-1234");
    EXPECT_EQ(window->fancy.caption(), "312.447.1234");

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

TEST_F(PhoneTestWindow, ExitEndsTheProgramEvenWithEmptyLabels)
{
    start();
    CaughtProgramEnd ended;
    QTest::mouseClick(window->Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(ended.ended());
    EXPECT_EQ(ended.status(), 0);
}

TEST_F(PhoneTestWindow, WithoutTheControlOneMessageSaysHowToRegisterIt)
{
    ASSERT_EQ(runtime::components::LoadedLibrary::load(TESK_LIBRARY)->unregisterServer(), runtime::components::Ok);
    const QString text = failedStartMessage();
    EXPECT_TRUE(text.contains("tesk.phonectrl")) << text.toStdString();
    // The test program lies in the build's bin/, beside the tool, with the library in lib/.
    const QString command = QFileInfo(CONTROLS_TOOL).canonicalFilePath() + " register "
        + QFileInfo(TESK_LIBRARY).canonicalFilePath();
    EXPECT_TRUE(text.contains(command)) << text.toStdString();
}

TEST_F(PhoneTestWindow, ADamagedCatalogueIsNamedInTheMessage)
{
    data.write(data.catalogue(), "{\"format\": 1, \"classes\": ");
    const QString text = failedStartMessage();
    EXPECT_TRUE(text.contains("is damaged") && text.contains("controls.json")) << text.toStdString();
}
