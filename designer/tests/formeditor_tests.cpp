// SPDX-License-Identifier: LGPL-2.1-or-later
// The designer's own form editor, in a program of its own as the designer is: a control's
// design-time properties listed and edited as any widget's, saved in the form's file, and
// set on the control of a form loaded from that file.
#include "designertesting.h"

#include "runtime/components/controlwidget_p.h"
#include "runtime/components/tests/sample/samplermembers.h"

#include <QApplication>
#include <QBuffer>
#include <QDesignerComponents>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerIntegration>
#include <QDesignerPropertyEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QFileInfo>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QUiLoader>

#include <gtest/gtest.h>

#include <memory>

using runtime::Arguments;
using runtime::MemberId;
using runtime::Variant;
using runtime::components::CallKind;
using runtime::components::ControlWidget;

namespace {

// A form with one sample control, as the designer writes a new one.
const QString sampleForm = QStringLiteral(R"(<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="sample_sampler" name="sampler"/>
 </widget>
</ui>)");

class FormEditor : public ::testing::Test {
protected:
    // One form editor for the program, as the designer has; it loads the plugin from the
    // build and no other.
    static void SetUpTestSuite()
    {
        data = new TemporaryUserData;
        registerWithTool({SAMPLE_LIBRARY});
        QCoreApplication::setLibraryPaths({QFileInfo(DESIGNER_PLUGIN_FOLDER).path()});
        core = QDesignerComponents::createFormEditor(nullptr);
        QDesignerComponents::initializePlugins(core);
        propertyEditor = QDesignerComponents::createPropertyEditor(core, nullptr);
        core->setPropertyEditor(propertyEditor);
        new QDesignerIntegration(core, core);
    }
    static void TearDownTestSuite()
    {
        delete propertyEditor;
        delete core;
        delete data;
    }

    void SetUp() override
    {
        form.reset(core->formWindowManager()->createFormWindow(nullptr));
        form->setContents(sampleForm);
        control = qobject_cast<ControlWidget*>(form->mainContainer()->findChild<QWidget*>("sampler"));
        ASSERT_NE(control, nullptr);
        sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), control);
        ASSERT_NE(sheet, nullptr);
    }

    // The form's file with no white space between elements.
    QString savedForm() const { return form->contents().replace(QRegularExpression(">\\s+<"), "><"); }

    static Variant read(ControlWidget& control, MemberId property)
    {
        Arguments none;
        return control.instance().invoke(property, CallKind::PropertyGet, none).value;
    }

    static inline TemporaryUserData* data = nullptr;
    static inline QDesignerFormEditorInterface* core = nullptr;
    static inline QDesignerPropertyEditorInterface* propertyEditor = nullptr;
    std::unique_ptr<QDesignerFormWindowInterface> form;
    ControlWidget* control = nullptr;
    QDesignerPropertySheetExtension* sheet = nullptr;
};

// Each design-time property of the sample: as the editor shows it at first, a value a user
// gives it, what the control then holds and how the form's file keeps it.
const struct DesignProperty {
    const char* name;
    MemberId id;
    QVariant shown;
    QVariant edited;
    Variant set;
    const char* saved;
} designProperties[] = {
    {"caption", samplermember::caption, QString(), QString("Ahoy"), Variant("Ahoy"), "<string>Ahoy</string>"},
    {"marked", samplermember::marked, true, false, Variant(false), "<bool>false</bool>"},
    {"times", samplermember::times, 2, -7, Variant(std::int16_t(-7)), "<number>-7</number>"},
    {"limit", samplermember::limit, 100000, 123456, Variant(123456), "<number>123456</number>"},
    {"ratio", samplermember::ratio, 0.25, 1.5, Variant(1.5), "<double>1.500000000000000</double>"},
};

}  // namespace

TEST_F(FormEditor, ListsEachDesignTimePropertyTypedWithTheValueTheControlStartsWith)
{
    for (const DesignProperty& property : designProperties) {
        SCOPED_TRACE(property.name);
        const int index = sheet->indexOf(property.name);
        ASSERT_GE(index, 0);
        EXPECT_TRUE(sheet->isVisible(index)) << "shown in the property editor";
        EXPECT_TRUE(sheet->isEnabled(index)) << "and editable there";
        EXPECT_FALSE(sheet->isChanged(index));
        EXPECT_EQ(sheet->propertyGroup(index), "sample_sampler");
        const QMetaObject* type = control->metaObject();
        const QMetaProperty meta = type->property(type->indexOfProperty(property.name));
        EXPECT_EQ(meta.metaType(), property.shown.metaType()) << "a bool a check box, a number a number, a text a text";
        EXPECT_EQ(meta.read(control), property.shown);
    }
    // Neither a read-only property nor a method.
    EXPECT_EQ(sheet->indexOf("resizes"), -1);
    EXPECT_FALSE(control->instance().control()->ambient().userMode) << "the control knows it is being designed";
    EXPECT_EQ(sheet->indexOf("repeat"), -1);
}

TEST_F(FormEditor, AnEditedValueReachesTheControlAtOnceIsSavedAndIsSetOnTheControlOfALoadedForm)
{
    for (const DesignProperty& property : designProperties) {
        SCOPED_TRACE(property.name);
        form->cursor()->setWidgetProperty(control, property.name, property.edited);
        EXPECT_EQ(read(*control, property.id), property.set) << "through the control's setter";
        EXPECT_TRUE(sheet->isChanged(sheet->indexOf(property.name)));
    }
    const QString saved = savedForm();
    for (const DesignProperty& property : designProperties) {
        const QString element = QStringLiteral("<property name=\"%1\">%2</property>").arg(property.name, property.saved);
        EXPECT_TRUE(saved.contains(element)) << saved.toStdString();
    }

    QBuffer file;
    file.setData(saved.toUtf8());
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(DESIGNER_PLUGIN_FOLDER);
    const std::unique_ptr<QWidget> loaded(loader.load(&file));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    // The designer opens the form again as well.
    const std::unique_ptr<QDesignerFormWindowInterface> reopened(core->formWindowManager()->createFormWindow(nullptr));
    reopened->setContents(saved);
    for (QWidget* formWidget : {loaded.get(), reopened->mainContainer()}) {
        auto* loadedControl = qobject_cast<ControlWidget*>(formWidget->findChild<QWidget*>("sampler"));
        ASSERT_NE(loadedControl, nullptr);
        for (const DesignProperty& property : designProperties)
            EXPECT_EQ(read(*loadedControl, property.id), property.set) << property.name;
    }
}

TEST_F(FormEditor, AValueResetToTheDefaultOrNeverEditedIsNotSaved)
{
    form->cursor()->setWidgetProperty(control, "times", 9);
    form->cursor()->setWidgetProperty(control, "caption", QString("Ahoy"));
    form->cursor()->resetWidgetProperty(control, "times");
    form->cursor()->resetWidgetProperty(control, "caption");
    EXPECT_EQ(read(*control, samplermember::times), Variant(std::int16_t(2)));
    EXPECT_EQ(read(*control, samplermember::caption), Variant(""));
    for (const DesignProperty& property : designProperties) {
        EXPECT_FALSE(sheet->isChanged(sheet->indexOf(property.name))) << property.name;
        EXPECT_FALSE(savedForm().contains(QStringLiteral("name=\"%1\"").arg(property.name))) << property.name;
    }
}

TEST_F(FormEditor, AValueTheControlRefusesIsToldAndTheControlKeepsItsOwn)
{
    form->cursor()->setWidgetProperty(control, "times", 5);
    ::testing::internal::CaptureStderr();
    form->cursor()->setWidgetProperty(control, "times", 70000);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "Desktop Suite controls: times of sample.sampler is not set to 70000: Overflow\n");
    EXPECT_EQ(read(*control, samplermember::times), Variant(std::int16_t(5)));
    EXPECT_EQ(sheet->property(sheet->indexOf("times")), QVariant(5)) << "the editor shows what the control has";
}

// The designer is a program of its own kind, with its own application.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
