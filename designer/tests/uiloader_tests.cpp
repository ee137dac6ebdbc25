// SPDX-License-Identifier: LGPL-2.1-or-later
// A form drawn in the designer, loaded at run time by a program of its own that is no
// program of the suite: a plain application object, the runtime only a dependency of
// the plugin's. Both controls come from their libraries and work.
#include "designertesting.h"

#include "nodupelist/ulistctrlmembers.h"
#include "phonecontrol/phonectrlmembers.h"
#include "runtime/components/controlwidget_p.h"
#include "runtime/testing/testing.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QUiLoader>

#include <gtest/gtest.h>

#include <memory>

using runtime::Arguments;
using runtime::Variant;
using runtime::components::CallKind;
using runtime::components::CallResult;
using runtime::components::ControlWidget;
using runtime::components::Instance;

namespace {

class LoadedForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerWithTool({TESK_LIBRARY, SOLVANE_LIBRARY});
        loader.clearPluginPaths();
        loader.addPluginPath(DESIGNER_PLUGIN_FOLDER);
        QFile file(CONTACT_FORM);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        form.reset(loader.load(&file));
        ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    }

    ControlWidget* control(const char* name) const { return qobject_cast<ControlWidget*>(form->findChild<QWidget*>(name)); }

    static Variant call(Instance& instance, runtime::MemberId method, Arguments arguments = {})
    {
        const CallResult result = instance.invoke(method, CallKind::Method, arguments);
        EXPECT_TRUE(result.ok()) << result.errorText.toStdString();
        return result.value;
    }
    static Variant get(Instance& instance, runtime::MemberId property)
    {
        Arguments none;
        return instance.invoke(property, CallKind::PropertyGet, none).value;
    }

    TemporaryUserData data;
    QUiLoader loader;
    std::unique_ptr<QWidget> form;
};

TEST_F(LoadedForm, HoldsBothControlsMadeByTheirLibrariesAtTheFormsGeometry)
{
    EXPECT_EQ(loader.availableWidgets().filter("_").size(), 2) << loader.availableWidgets().join(' ').toStdString();
    ControlWidget* phone = control("phone");
    ControlWidget* names = control("names");
    ASSERT_NE(phone, nullptr);
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(phone->instance().classIdentifier(), "tesk.phonectrl");
    EXPECT_EQ(names->instance().classIdentifier(), "solvane.ulistctrl");
    EXPECT_TRUE(phone->instance().control()->ambient().userMode) << "a loaded form runs its controls";

    form->show();
    EXPECT_EQ(names->geometry(), QRect(8, 80, 200, 150));
    EXPECT_EQ(names->instance().control()->width(), 3000.0f) << "the form's extent runs its layout";
    EXPECT_EQ(names->instance().control()->height(), 2250.0f);
}

TEST_F(LoadedForm, ThePhoneControlFormatsTheDigitsTyped)
{
    ControlWidget* phone = control("phone");
    ASSERT_NE(phone, nullptr);
    form->show();
    QApplication::setActiveWindow(form.get());
    phone->setFocus();
    // Each box hands the focus on when full, so each key goes where the focus is.
    for (const char digit : QByteArrayLiteral("3124471234"))
        QTest::keyClick(QApplication::focusWidget(), digit);
    EXPECT_EQ(call(phone->instance(), phonectrlmember::stdformat), Variant(QStringLiteral("(312) 447-1234")));
    EXPECT_EQ(call(phone->instance(), phonectrlmember::trendformat), Variant(QStringLiteral("312.447.1234")));
}

TEST_F(LoadedForm, TheControlsMessagesCarryTheProgramsName)
{
    ControlWidget* phone = control("phone");
    ASSERT_NE(phone, nullptr);
    QApplication::setApplicationDisplayName("Contact book");
    runtime::testing::ScriptedMessages messages;
    form->show();
    QApplication::setActiveWindow(form.get());
    phone->setFocus();
    for (const char digit : QByteArrayLiteral("312555"))
        QTest::keyClick(QApplication::focusWidget(), digit);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Exchange can not be 555");
    EXPECT_EQ(messages.shown()[0].title, "Contact book");
}

TEST_F(LoadedForm, TheUniqueListRefusesADuplicate)
{
    ControlWidget* names = control("names");
    ASSERT_NE(names, nullptr);
    for (const char* text : {"Ada", "Grace", "Ada"})
        call(names->instance(), ulistctrlmember::additem, {Variant(QString(text))});
    EXPECT_EQ(get(names->instance(), ulistctrlmember::count), Variant(QStringLiteral("2")));
}

}  // namespace

// No runtime::Program: the form's program is one of any kind, with its own application.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
