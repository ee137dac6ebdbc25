// SPDX-License-Identifier: LGPL-2.1-or-later
// The class chooser of `controls try` without a class identifier, off screen: what it
// lists from a catalogue of the test's own, and the try-out window it opens.
#include "runtime/components/tests/componenttesting.h"
#include "runtime/testing/listclicks.h"
#include "runtime/testing/textprinting.h"
#include "runtime/tools/classchooser.h"
#include "runtime/tools/tryout.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using runtime::tools::ClassChooser;
using runtime::tools::TryOut;

namespace {

QStringList entriesOf(const runtime::ListBox& list)
{
    QStringList entries;
    for (int index = 0; index < list.count(); ++index)
        entries.append(list.item(index));
    return entries;
}

void doubleClick(ClassChooser& chooser, int row)
{
    QWidget* rows = runtime::testing::listView(chooser.classes).viewport();
    const QPoint centre = runtime::testing::entryCentre(chooser.classes, row);
    // As the window system delivers it: a click, then a second press as double-click.
    QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(rows, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(rows, Qt::LeftButton, Qt::NoModifier, centre);
}

class ClassChooserTest : public ::testing::Test {
protected:
    // The chooser as the tool shows it, opening the try-out window of the class chosen.
    void showChooser()
    {
        chooser = std::make_unique<ClassChooser>([this](const QString& classIdentifier) {
            tried = runtime::tools::openTryOut(classIdentifier, [this](const QString& line) { echoed.append(line); });
        });
        chooser->show();
        QApplication::setActiveWindow(chooser->window());
    }

    void expectTried(const QString& classIdentifier)
    {
        ASSERT_NE(tried, nullptr);
        EXPECT_EQ(tried->instance().classIdentifier(), classIdentifier);
        EXPECT_TRUE(tried->isVisible());
        EXPECT_TRUE(chooser->isUnloaded()) << "the chooser closes once the class is chosen";
    }

    TemporaryUserData data;
    std::unique_ptr<TryOut> tried;  // made before the chooser, gone after it
    std::unique_ptr<ClassChooser> chooser;
    QStringList echoed;
};

const QString sampleRow = "sample.sampler: Sample control for tests";
const QString phoneRow = "tesk.phonectrl: TXM417 Tesk Phone Control";
const QString listRow = "solvane.ulistctrl: Listbox which doesn't add duplicates";

}  // namespace

TEST_F(ClassChooserTest, ListsEveryRegisteredClassSortedByIdentifierWithItsDescription)
{
    registerLibrary(TESK_LIBRARY);
    registerLibrary(SAMPLE_LIBRARY);
    registerLibrary(SOLVANE_LIBRARY);
    showChooser();
    EXPECT_EQ(chooser->caption(), "Choose a Control");
    EXPECT_EQ(entriesOf(chooser->classes), (QStringList{sampleRow, listRow, phoneRow}));
    EXPECT_EQ(chooser->classes.currentIndex(), 0);
    EXPECT_TRUE(chooser->choose.enabled());
    EXPECT_EQ(chooser->status.caption(), "");
    EXPECT_EQ(entriesOf(chooser->leftout), QStringList{});
}

TEST_F(ClassChooserTest, WithNothingRegisteredItSaysHowToRegisterAndTriesNothing)
{
    showChooser();
    EXPECT_EQ(chooser->classes.count(), 0);
    EXPECT_EQ(chooser->status.caption(),
              "No control is registered. Register a control library with: controls register <library or folder>");
    EXPECT_FALSE(chooser->choose.enabled());
    QTest::keyClick(chooser->classes.widget(), Qt::Key_Return);
    EXPECT_FALSE(chooser->isUnloaded()) << "Enter chooses nothing";
    EXPECT_EQ(tried, nullptr);
}

TEST_F(ClassChooserTest, ARefusedLibraryAndAnUnreadableCatalogueAreLeftOutWithTheirReasons)
{
    QTemporaryDir userFolder;  // a folder of the user's own libraries, which every user may change
    registerLibrary(TESK_LIBRARY);
    registerLibrary(SAMPLE_LIBRARY);
    pointEntryAt("sample.sampler", copyOf(SAMPLE_LIBRARY, userFolder.path()));
    ASSERT_EQ(chmod(QFile::encodeName(userFolder.path()).constData(), 0777), 0);
    data.write(data.systemCatalogue(), "not a catalogue");
    showChooser();
    EXPECT_EQ(entriesOf(chooser->classes), QStringList{phoneRow});
    const QString damaged = "The control catalogue " + data.systemCatalogue()
        + " cannot be used: it is damaged (illegal value at byte 1); repair or remove it, then register the control "
          "libraries again";
    EXPECT_EQ(entriesOf(chooser->leftout),
              (QStringList{"sample.sampler: the entry in the user's catalogue " + data.catalogue()
                               + " is refused: the library is not trusted: folder " + userFolder.path()
                               + " is writable by every user; " + damaged,
                           damaged}));
    EXPECT_EQ(chooser->status.caption(), "Some controls are left out, for the reasons below.");

    pointEntryAt("tesk.phonectrl", copyOf(TESK_LIBRARY, userFolder.path(), "libtesk.so"));
    chooser.reset();
    showChooser();
    EXPECT_EQ(chooser->classes.count(), 0);
    EXPECT_EQ(chooser->leftout.count(), 3);
    EXPECT_EQ(chooser->status.caption(), "No control can be tried, for the reasons below.");
    EXPECT_FALSE(chooser->choose.enabled());
}

TEST_F(ClassChooserTest, TryOrEnterOrADoubleClickOpensTheTryOutWindowOfTheClassChosen)
{
    registerLibrary(SAMPLE_LIBRARY);
    registerLibrary(TESK_LIBRARY);
    const struct {
        const char* how;
        std::function<void(ClassChooser&)> choose;
    } ways[] = {
        {"Try", [](ClassChooser& window) {
             runtime::testing::clickEntry(window.classes, 1);
             QTest::mouseClick(window.choose.widget(), Qt::LeftButton);
         }},
        {"Enter", [](ClassChooser& window) {
             runtime::testing::clickEntry(window.classes, 1);
             QTest::keyClick(window.classes.widget(), Qt::Key_Return);
         }},
        {"double-click", [](ClassChooser& window) { doubleClick(window, 1); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        chooser.reset();
        tried.reset();
        showChooser();
        way.choose(*chooser);
        expectTried("tesk.phonectrl");
    }
    EXPECT_EQ(tried->caption(), "Try tesk.phonectrl");
}

TEST_F(ClassChooserTest, CloseOrEscapeClosesWithoutOpeningAnything)
{
    registerLibrary(SAMPLE_LIBRARY);
    showChooser();
    QTest::keyClick(chooser->classes.widget(), Qt::Key_Escape);
    EXPECT_TRUE(chooser->isUnloaded());
    chooser.reset();
    showChooser();
    QTest::mouseClick(chooser->close.widget(), Qt::LeftButton);
    EXPECT_TRUE(chooser->isUnloaded());
    EXPECT_EQ(tried, nullptr);
}

TEST_F(ClassChooserTest, AClassWhoseLibraryWentAfterListingIsReportedAndTheChooserStays)
{
    registerLibrary(SAMPLE_LIBRARY);
    showChooser();
    pointEntryAt("sample.sampler", data.path("gone/libsample.so"));
    QTest::mouseClick(chooser->choose.widget(), Qt::LeftButton);
    EXPECT_EQ(tried, nullptr);
    EXPECT_FALSE(chooser->isUnloaded());
    EXPECT_EQ(chooser->status.caption(), "Cannot create the control sample.sampler: the library is not trusted: "
                                         + data.path("gone") + ": No such file or directory");
}
