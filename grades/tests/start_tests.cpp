#include "gradesfixture.h"

#include "runtime/forms/program.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
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
    // Nothing happened: no message, no other window, the program goes on.
    void expectNothingHappened()
    {
        EXPECT_TRUE(shownTexts().isEmpty());
        EXPECT_EQ(app->newGradeBook.existing(), nullptr);
        EXPECT_EQ(app->preferences.existing(), nullptr);
        EXPECT_FALSE(programEnd.ended());
        EXPECT_TRUE(app->mainWindow.isVisible());
    }

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

// The menus as the user sees them: each drop-down's entries in order, "-" for a
// separator line, hidden entries left out.
QStringList shownEntries(QMenu* menu)
{
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (action->isVisible())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

TEST_F(MainWindow, MenuBarShowsEveryMenuWithItsEntriesInOrder)
{
    QStringList bar;
    for (QAction* action : menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&Reports", "&Help"}));

    const auto dropDown = [&](int position) { return menuBar()->actions()[position]->menu(); };
    EXPECT_EQ(shownEntries(dropDown(0)), (QStringList{"&New", "&Open", "&Save", "&Save As", "&Archive", "-",
                                                      "Print Setup", "&Print", "-", "&Exit"}));
    EXPECT_EQ(shownEntries(dropDown(1)),
              (QStringList{"&Class", "&Assignments", "&Students", "&Grades", "&Preferences"}));
    EXPECT_EQ(dropDown(2), nullptr);  // Reports is a bar item without a menu
    EXPECT_EQ(shownEntries(dropDown(3)), QStringList{"&About"});
}

TEST_F(MainWindow, RecentEntriesAndTheirSeparatorAreHiddenAndEmpty)
{
    start& window = mainWindow();
    EXPECT_TRUE(window.sep2.isSeparator());
    EXPECT_FALSE(window.sep2.visible());
    EXPECT_TRUE(window.sep1.visible());
    EXPECT_TRUE(window.sep3.visible());
    for (int index = 1; index <= 3; ++index) {
        EXPECT_EQ(window.recent[index].caption(), "");
        EXPECT_FALSE(window.recent[index].visible());
    }
    // File menu entries in design order: ... Print, sep2, recent 1 to 3, sep3, Exit.
    const QList<QAction*> file = menuBar()->actions()[0]->menu()->actions();
    EXPECT_EQ(file.indexOf(window.sep2.action()), file.indexOf(window.fileprintmn.action()) + 1);
    EXPECT_EQ(file.indexOf(window.recent[3].action()), file.indexOf(window.sep3.action()) - 1);
}

struct MenuRow {
    const char* name;
    MenuItem start::*item;
    const char* caption;
    const char* shortcut;
};

void PrintTo(const MenuRow& row, std::ostream* out)
{
    *out << row.name;
}

class IdleMenuItems : public MainWindow, public ::testing::WithParamInterface<MenuRow> {};

TEST_P(IdleMenuItems, HaveTheirCaptionAndShortcutAndDoNothing)
{
    MenuItem& item = mainWindow().*GetParam().item;
    EXPECT_EQ(item.caption(), GetParam().caption);
    EXPECT_EQ(item.shortcut(), GetParam().shortcut);
    EXPECT_TRUE(item.enabled());
    QSignalSpy chosen(item.action(), &QAction::triggered);
    item.choose();
    EXPECT_EQ(chosen.count(), 1);
    expectNothingHappened();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, IdleMenuItems, ::testing::Values(
    MenuRow{"Open", &start::fileopenmn, "&Open", "Ctrl+O"},
    MenuRow{"Save", &start::filesavemn, "&Save", "Ctrl+S"},
    MenuRow{"SaveAs", &start::filesaveasmn, "&Save As", ""},
    MenuRow{"Archive", &start::filearchmn, "&Archive", ""},
    MenuRow{"PrintSetup", &start::fileprintsetmn, "Print Setup", ""},
    MenuRow{"Print", &start::fileprintmn, "&Print", "Ctrl+P"},
    MenuRow{"Class", &start::editclsmn, "&Class", ""},
    MenuRow{"Assignments", &start::editasgmn, "&Assignments", ""},
    MenuRow{"Students", &start::editstudmn, "&Students", ""},
    MenuRow{"Grades", &start::editgrdmn, "&Grades", ""},
    MenuRow{"Reports", &start::reportsmn, "&Reports", ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct IdleShortcut {
    const char* name;
    Qt::Key key;
    MenuItem start::*item;
};

void PrintTo(const IdleShortcut& row, std::ostream* out)
{
    *out << row.name;
}

class IdleShortcuts : public MainWindow, public ::testing::WithParamInterface<IdleShortcut> {};

TEST_P(IdleShortcuts, SelectTheirItemWhichDoesNothing)
{
    QSignalSpy chosen((mainWindow().*GetParam().item).action(), &QAction::triggered);
    QTest::keyClick(mainWindow().window(), GetParam().key, Qt::ControlModifier);
    EXPECT_EQ(chosen.count(), 1);
    expectNothingHappened();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, IdleShortcuts, ::testing::Values(
    IdleShortcut{"CtrlO", Qt::Key_O, &start::fileopenmn},
    IdleShortcut{"CtrlS", Qt::Key_S, &start::filesavemn},
    IdleShortcut{"CtrlP", Qt::Key_P, &start::fileprintmn}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainWindow, CtrlNShowsTheNewGradeBookWindowOnce)
{
    QTest::keyClick(mainWindow().window(), Qt::Key_N, Qt::ControlModifier);
    newform* window = app->newGradeBook.existing();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(mainWindow().window(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app->newGradeBook.existing(), window);
    EXPECT_EQ(mainWindow().filenewmn.shortcut(), "Ctrl+N");
}

TEST_F(MainWindow, AccessKeysOpenMenusAndChooseEntries)
{
    chooseByAccessKeys(Qt::Key_F, Qt::Key_N);
    EXPECT_NE(app->newGradeBook.existing(), nullptr);
    chooseByAccessKeys(Qt::Key_E, Qt::Key_P);
    EXPECT_NE(app->preferences.existing(), nullptr);
    chooseByAccessKeys(Qt::Key_H, Qt::Key_A);
    EXPECT_EQ(shownTexts(), QStringList{"Version 0.1 of the Grade Book Program"});
    chooseByAccessKeys(Qt::Key_F, Qt::Key_E);
    EXPECT_TRUE(programEnd.ended());
}

TEST_F(MainWindow, AboutShowsTheVersionWithOneOkButtonAndTheProgramTitle)
{
    mainWindow().helpaboutmn.choose();
    ASSERT_EQ(messages.shown().size(), 1u);
    const runtime::MessageBoxRequest& box = messages.shown().front();
    EXPECT_EQ(box.text, "Version 0.1 of the Grade Book Program");
    EXPECT_EQ(box.style.value(), 0);  // one OK button, no icon
    EXPECT_EQ(box.title, runtime::Program::title());
    EXPECT_TRUE(app->mainWindow.isVisible());
    EXPECT_FALSE(programEnd.ended());
}

TEST_F(MainWindow, PreferencesShowsOneWindowModeless)
{
    mainWindow().editprefs.choose();
    prefsedit* window = app->preferences.existing();
    ASSERT_NE(window, nullptr);
    mainWindow().editprefs.choose();
    EXPECT_EQ(app->preferences.existing(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->window()->isModal());
    EXPECT_TRUE(mainWindow().filenewmn.enabled());
}

TEST_F(MainWindow, ExitEndsTheProgramWithOtherWindowsOpenWithoutAQuestion)
{
    fileNew();
    editPreferences();
    mainWindow().fileexitmn.choose();
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgramWhileAnotherIsHidden)
{
    fileNew().newdone.press();
    EXPECT_FALSE(app->newGradeBook.existing()->isVisible());
    pressCloseBox(mainWindow());
    EXPECT_TRUE(programEnd.ended());
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(MainWindow, ShowsTheDesignedWindowSloganAndLogo)
{
    start& window = mainWindow();
    EXPECT_EQ(window.caption(), "Grade Book");
    EXPECT_EQ(window.width(), 4680);
    EXPECT_EQ(window.height(), 3195);
    QWidget* client = static_cast<QMainWindow*>(window.window())->centralWidget();
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(192, 64, 0));

    EXPECT_EQ(window.Label1.caption(), "Store, analyze and publish grades for all your classes");
    EXPECT_EQ(window.Label1.foreColor(), runtime::rgb(192, 192, 0));
    const QFont font = window.Label1.widget()->font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSizeF(), 14.25);
    EXPECT_NE(QFontInfo(font).family(), "Liberation Sans");

    EXPECT_TRUE(window.Image1.hasPicture());
    EXPECT_EQ(window.Image1.left(), 720);
    EXPECT_EQ(window.Image1.top(), -240);
    EXPECT_EQ(window.Image1.width(), 3000);
    EXPECT_EQ(window.Image1.height(), 1500);
    EXPECT_EQ(window.Image1.widget()->geometry(), QRect(48, -16, 200, 100));
    // The logo lies above the slogan in the drawing order.
    const QObjectList order = client->children();
    EXPECT_GT(order.indexOf(window.Image1.widget()), order.indexOf(window.Label1.widget()));
}

TEST(Logo, IsAOneFrameGif89aOf200By100WithSixteenColoursAndEntry15Transparent)
{
    QFile file(":/grades/images/logo.gif");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto byte = [&](int offset) { return static_cast<unsigned char>(bytes.at(offset)); };
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(byte(6) | byte(7) << 8, 200);
    EXPECT_EQ(byte(8) | byte(9) << 8, 100);
    EXPECT_EQ(byte(10) & 0x87, 0x83);  // a global palette of 2 ^ (3 + 1) entries
    // The graphic control extension right after the 16 * 3 palette bytes.
    const int extension = 13 + 16 * 3;
    EXPECT_EQ(byte(extension), 0x21);
    EXPECT_EQ(byte(extension + 1), 0xF9);
    EXPECT_EQ(byte(extension + 3) & 0x01, 0x01);  // transparency on
    EXPECT_EQ(byte(extension + 6), 15);           // for palette entry 15

    QImageReader reader(":/grades/images/logo.gif");
    EXPECT_EQ(reader.imageCount(), 1);
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(100, 50)), 255);
}

}  // namespace
