// SPDX-License-Identifier: LGPL-2.1-or-later
// The plugin as the form designer loads it: the widget box entries of the registered
// controls, read from the catalogue without loading a library, and the controls made.
#include "designertesting.h"

#include "runtime/components/controlwidget_p.h"

#include <QDesignerCustomWidgetCollectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>

#include <gtest/gtest.h>

using runtime::components::ControlWidget;

namespace {

class DesignerPlugin : public ::testing::Test {
protected:
    void TearDown() override { loader.unload(); }

    // The widget box entries, with what the plugin wrote on standard error meanwhile.
    QList<QDesignerCustomWidgetInterface*> load()
    {
        ::testing::internal::CaptureStderr();
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
        reported = QString::fromStdString(::testing::internal::GetCapturedStderr());
        EXPECT_NE(collection, nullptr) << loader.errorString().toStdString();
        return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>{};
    }

    static QStringList namesOf(const QList<QDesignerCustomWidgetInterface*>& entries)
    {
        QStringList names;
        for (const QDesignerCustomWidgetInterface* entry : entries)
            names.append(entry->name());
        return names;
    }

    TemporaryUserData data;
    QPluginLoader loader{DESIGNER_PLUGIN};
    QString reported;
};

QRgb pixelOf(const QIcon& icon, QSize size, QPoint at)
{
    return icon.pixmap(size).toImage().pixel(at);
}

TEST_F(DesignerPlugin, OffersEveryRegisteredControlFromTheCatalogueAlone)
{
    registerWithTool({TESK_LIBRARY, SOLVANE_LIBRARY});
    const auto entries = load();
    ASSERT_EQ(namesOf(entries), (QStringList{"solvane_ulistctrl", "tesk_phonectrl"}));
    EXPECT_EQ(reported, "");

    const QDesignerCustomWidgetInterface& list = *entries[0];
    const QDesignerCustomWidgetInterface& phone = *entries[1];
    for (const QDesignerCustomWidgetInterface* entry : entries) {
        EXPECT_EQ(entry->group(), "Desktop Suite");
        EXPECT_EQ(entry->includeFile(), "runtime/components/controlwidget_p.h");
        EXPECT_FALSE(entry->isContainer());
    }
    EXPECT_EQ(list.toolTip(), "Listbox which doesn't add duplicates");
    EXPECT_EQ(list.whatsThis(), "Listbox which doesn't add duplicates");
    EXPECT_EQ(phone.toolTip(), "TXM417 Tesk Phone Control");
    EXPECT_EQ(phone.whatsThis(), "TXM417 Tesk Phone Control");

    EXPECT_EQ(phone.icon().availableSizes().value(0), QSize(16, 15)) << "a designer shows no icon without a size";
    // Each picture pixel a square of whole pixels, in the standard colours.
    EXPECT_EQ(pixelOf(phone.icon(), {32, 30}, {0, 0}), qRgb(0xFF, 0x00, 0xFF)) << "d: the surface";
    EXPECT_EQ(pixelOf(phone.icon(), {32, 30}, {5, 13}), qRgb(0xFF, 0xFF, 0xFF)) << "f: the first box";
    EXPECT_EQ(pixelOf(phone.icon(), {32, 30}, {2, 11}), qRgb(0x00, 0x00, 0x00)) << "0: its border";
    EXPECT_EQ(pixelOf(phone.icon(), {32, 30}, {27, 5}), qRgb(0x00, 0xFF, 0xFF)) << "b: the button";
    EXPECT_EQ(pixelOf(list.icon(), {48, 45}, {3, 20}), qRgb(0x80, 0x00, 0x00)) << "4: the selected row";
    EXPECT_EQ(pixelOf(list.icon(), {48, 45}, {41, 5}), qRgb(0xC0, 0xC0, 0xC0)) << "7: the scroll bar";

    EXPECT_FALSE(isMapped(TESK_LIBRARY)) << "listed from the catalogue, not loaded";
    EXPECT_FALSE(isMapped(SOLVANE_LIBRARY));
}

TEST_F(DesignerPlugin, ANewFormsControlHasItsDesignSize)
{
    registerWithTool({TESK_LIBRARY});
    const auto entries = load();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->domXml(),
              "<ui language=\"c++\" displayname=\"tesk.phonectrl\">\n"
              " <widget class=\"tesk_phonectrl\" name=\"phonectrl\">\n"
              "  <property name=\"geometry\">\n"
              "   <rect><x>0</x><y>0</y><width>269</width><height>63</height></rect>\n"
              "  </property>\n"
              " </widget>\n"
              "</ui>\n");
}

TEST_F(DesignerPlugin, MakesTheRealControlAtItsDesignSize)
{
    registerWithTool({TESK_LIBRARY});
    const auto entries = load();
    ASSERT_EQ(entries.size(), 1);
    QWidget form;
    auto* control = qobject_cast<ControlWidget*>(entries[0]->createWidget(&form));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parent(), &form);
    EXPECT_EQ(control->instance().classIdentifier(), "tesk.phonectrl");
    // A designer asks that the widget be of the class it names.
    EXPECT_STREQ(control->metaObject()->className(), "tesk_phonectrl");
    EXPECT_TRUE(control->inherits("tesk_phonectrl"));
    EXPECT_TRUE(control->inherits("QWidget"));
    EXPECT_EQ(control->metaObject()->propertyCount(), QWidget::staticMetaObject.propertyCount());
    EXPECT_EQ(control->property("geometry").toRect(), QRect(0, 0, 269, 63)) << "its properties are its widget's";
    EXPECT_EQ(control->size(), QSize(269, 63));
    EXPECT_EQ(control->sizeHint(), QSize(269, 63));

    // A designer resizing it resizes the control.
    form.show();
    control->resize(300, 80);
    EXPECT_EQ(control->instance().control()->width(), 4500.0f);
    EXPECT_EQ(control->instance().control()->height(), 1200.0f);
    // Narrower than it allows, it takes its minimum width of 4000 twips, and so does the widget.
    control->resize(100, 80);
    EXPECT_EQ(control->instance().control()->width(), 4000.0f);
    EXPECT_EQ(control->size(), QSize(267, 80));
}

// A designer and a form would take a property of that name for the widget's own.
TEST_F(DesignerPlugin, ADesignTimePropertyNamedAsAPropertyOfEveryWidgetIsLeftOutAndTold)
{
    registerWithTool({SAMPLE_LIBRARY});
    data.write(data.catalogue(), data.read(data.catalogue()).replace("\"marked\"", "\"enabled\""));
    const auto entries = load();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(reported.toStdString(), "Desktop Suite controls: sample.sampler: the design-time property enabled is left "
                                      "out, as every widget has a property of that name\n");

    QWidget form;
    auto* control = qobject_cast<ControlWidget*>(entries[0]->createWidget(&form));
    ASSERT_NE(control, nullptr);
    const QMetaObject* type = control->metaObject();
    QStringList own;
    for (int index = type->propertyOffset(); index < type->propertyCount(); ++index)
        own.append(type->property(index).name());
    EXPECT_EQ(own, (QStringList{"caption", "times", "limit", "ratio"}));
    EXPECT_TRUE(control->property("enabled").toBool()) << "the widget's own";
}

TEST_F(DesignerPlugin, AControlWhoseLibraryIsRefusedIsLeftOutToldOnceAndNeverLoaded)
{
    const QString copy = copyOf(TESK_LIBRARY, data.path(), "libtesk.so");
    registerWithTool({copy, SOLVANE_LIBRARY});
    ASSERT_TRUE(QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOther));

    const auto entries = load();
    EXPECT_EQ(namesOf(entries), QStringList{"solvane_ulistctrl"});
    EXPECT_EQ(reported.toStdString(), ("Desktop Suite controls: tesk.phonectrl is left out, its library " + copy
                                       + " is refused: the library is not trusted: file " + copy
                                       + " is writable by every user\n")
                                          .toStdString());
    EXPECT_EQ(load(), entries) << "the same entries, no second report";
    EXPECT_EQ(reported, "");
    EXPECT_FALSE(isMapped(copy));
}

TEST_F(DesignerPlugin, NoCatalogueOffersNothingAndADamagedOneIsToldWithTheSystemsControlsStillOffered)
{
    EXPECT_EQ(load().size(), 0);
    EXPECT_EQ(reported, "");
    loader.unload();

    // The phone control installed for every user, the user's own catalogue damaged.
    registerWithTool({TESK_LIBRARY});
    ASSERT_TRUE(QDir().mkpath(QFileInfo(data.systemCatalogue()).path()));
    ASSERT_TRUE(QFile::copy(data.catalogue(), data.systemCatalogue()));
    data.write("desktop-suite/controls.json", "{ not json");
    EXPECT_EQ(namesOf(load()), QStringList{"tesk_phonectrl"});
    EXPECT_EQ(reported.toStdString(), ("Desktop Suite controls: The control catalogue " + data.catalogue()
                                       + " cannot be used: it is damaged (unterminated object at byte 3); repair or "
                                         "remove it, then register the control libraries again\n")
                                          .toStdString());
}

TEST_F(DesignerPlugin, AControlThatCannotBeMadeAfterAllLeavesAStandInAndSaysWhy)
{
    const QString copy = copyOf(TESK_LIBRARY, data.path(), "libtesk.so");
    registerWithTool({copy});
    const auto entries = load();
    ASSERT_EQ(entries.size(), 1);
    ASSERT_TRUE(QFile::remove(copy));

    QWidget form;
    ::testing::internal::CaptureStderr();
    QWidget* made = entries[0]->createWidget(&form);
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(qobject_cast<ControlWidget*>(made), nullptr);
    EXPECT_EQ(made->parent(), &form);
    EXPECT_EQ(said, ("Desktop Suite controls: Cannot create the control tesk.phonectrl: the library is not trusted: "
                     + copy + ": No such file or directory\n")
                        .toStdString());
}

}  // namespace
