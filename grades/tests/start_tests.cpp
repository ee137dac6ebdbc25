// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include "runtime/forms/program.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImageReader>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

using runtime::MenuItem;

class MainWindow : public GradesFixture {
protected:
    QMenuBar* menuBar() { return static_cast<QMainWindow*>(mainWindow().window())->menuBar(); }

    // Opens a menu of the bar with Alt and its access key, then chooses an entry by its key.
    void chooseByAccessKeys(Qt::Key menuKey, Qt::Key itemKey)
    {
        QTest::keyClick(mainWindow().window(), menuKey, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr) << "no menu opened";
        QTest::keyClick(menu, itemKey);
    }
};

// The menus as the user sees them: "-" for a separator line, hidden entries left out.
TEST_F(MainWindow, MenuBarShowsEveryMenuWithItsEntriesInOrder)
{
    QStringList bar;
    for (QAction* action : menuBar()->actions()) {
        bar << action->text();
        if (QMenu* menu = action->menu()) {
            for (QAction* entry : menu->actions())
                if (entry->isVisible())
                    bar << "  " + (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
    }
    EXPECT_EQ(bar, (QStringList{"&File", "  &New", "  &Open", "  &Save", "  &Save As", "  &Archive", "  -",
                                "  Print Setup", "  &Print", "  -", "  &Exit", "&Edit", "  &Class",
                                "  &Assignments", "  &Students", "  &Grades", "  &Preferences", "&Reports",
                                "&Help", "  &About"}));
}

// Choosing an idle item, or pressing its shortcut, shows nothing and ends nothing.
TEST_F(MainWindow, IdleMenuItemsAndShortcutsDoNothing)
{
    start& window = mainWindow();
    const std::pair<MenuItem start::*, Qt::Key> idle[] = {
        {&start::fileopenmn, Qt::Key_O}, {&start::filesavemn, Qt::Key_S}, {&start::fileprintmn, Qt::Key_P},
        {&start::filesaveasmn, {}}, {&start::filearchmn, {}}, {&start::fileprintsetmn, {}},
        {&start::editclsmn, {}}, {&start::editasgmn, {}}, {&start::editstudmn, {}}, {&start::editgrdmn, {}},
        {&start::reportsmn, {}}};
    for (const auto& [item, key] : idle) {
        QSignalSpy chosen((window.*item).action(), &QAction::triggered);
        (window.*item).choose();
        if (key != Qt::Key{})
            QTest::keyClick(window.window(), key, Qt::ControlModifier);
        EXPECT_EQ(chosen.count(), key != Qt::Key{} ? 2 : 1) << (window.*item).caption().toStdString();
    }
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_EQ(app->newGradeBook.existing(), nullptr);
    EXPECT_EQ(app->preferences.existing(), nullptr);
    EXPECT_FALSE(programEnd.ended());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, CtrlNAndPreferencesEachShowOneModelessWindow)
{
    QTest::keyClick(mainWindow().window(), Qt::Key_N, Qt::ControlModifier);
    newform* book = app->newGradeBook.existing();
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->isVisible());
    QTest::keyClick(mainWindow().window(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app->newGradeBook.existing(), book);

    mainWindow().editprefs.choose();
    prefsedit* preferences = app->preferences.existing();
    ASSERT_NE(preferences, nullptr);
    mainWindow().editprefs.choose();
    EXPECT_EQ(app->preferences.existing(), preferences);
    EXPECT_FALSE(preferences->window()->isModal());
    EXPECT_TRUE(mainWindow().filenewmn.enabled());
}

// File > Exit ends the program without a question while the other windows are open.
TEST_F(MainWindow, AccessKeysOpenMenusAndChooseEntries)
{
    chooseByAccessKeys(Qt::Key_F, Qt::Key_N);
    EXPECT_NE(app->newGradeBook.existing(), nullptr);
    chooseByAccessKeys(Qt::Key_E, Qt::Key_P);
    EXPECT_NE(app->preferences.existing(), nullptr);
    chooseByAccessKeys(Qt::Key_H, Qt::Key_A);
    EXPECT_EQ(shownTexts(), QStringList{"Version 0.1 of the Grade Book Program"});
    EXPECT_EQ(messages.shown().front().style.value(), 0);  // one OK button, no icon
    EXPECT_EQ(messages.shown().front().title, runtime::Program::title());
    EXPECT_FALSE(programEnd.ended());
    chooseByAccessKeys(Qt::Key_F, Qt::Key_E);
    EXPECT_TRUE(programEnd.ended());
    EXPECT_EQ(shownTexts().size(), 1);
}

TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgramWhileAnotherIsHidden)
{
    fileNew().newdone.press();
    EXPECT_FALSE(app->newGradeBook.existing()->isVisible());
    pressCloseBox(mainWindow());
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(shownTexts().isEmpty());
}

// The logo at its natural size, partly above the client area and drawn over the slogan,
// whose font must not fall back to the default face.
TEST_F(MainWindow, ShowsTheSloganAndTheLogo)
{
    start& window = mainWindow();
    QWidget* client = static_cast<QMainWindow*>(window.window())->centralWidget();
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(192, 64, 0));
    const QFont font = window.Label1.widget()->font();
    EXPECT_TRUE(font.bold());
    EXPECT_NE(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_TRUE(window.Image1.hasPicture());
    EXPECT_EQ(window.Image1.widget()->geometry(), QRect(48, -16, 200, 100));
    const QObjectList order = client->children();
    EXPECT_GT(order.indexOf(window.Image1.widget()), order.indexOf(window.Label1.widget()));

    QImageReader reader(":/grades/images/logo.gif");
    EXPECT_EQ(reader.format(), "gif");
    EXPECT_EQ(reader.imageCount(), 1);
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(100, 50)), 255);
}

}  // namespace
