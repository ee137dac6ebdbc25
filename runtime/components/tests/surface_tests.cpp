// SPDX-License-Identifier: LGPL-2.1-or-later
// What a control author gets from the runtime: a surface that draws itself through a
// canvas in twips and takes the mouse, the keys and the focus, children that raise their
// own input events, and what the host gives (its font, colours, user mode, enabled state).
#include "runtime/base/error.h"
#include "runtime/components/usercontrol.h"
#include "runtime/forms/button.h"
#include "runtime/forms/input.h"
#include "runtime/forms/label.h"
#include "runtime/forms/picture.h"
#include "runtime/forms/textbox.h"
#include "runtime/testing/testing.h"
#include "runtime/testing/textprinting.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using runtime::Canvas;
using runtime::Colour;
namespace KeyCode = runtime::KeyCode;

namespace {

constexpr Colour red = runtime::rgb(255, 0, 0);
constexpr Colour white = runtime::rgb(255, 255, 255);

// Writes down every event of its surface and of its children, one line each, arguments
// included, so that a test sees what arrived, how often and in which order.
class Recorder {
public:
    QStringList seen;

    void operator()(const QString& line) { seen.append(line); }
    std::function<void(std::int16_t, std::int16_t, float, float)> mouse(const QString& name)
    {
        return [this, name](std::int16_t button, std::int16_t shift, float x, float y) {
            seen.append(QStringLiteral("%1 %2 %3 %4 %5").arg(name).arg(button).arg(shift).arg(x).arg(y));
        };
    }
};

// A control that draws a red square of 600 twips on white and has no child to take the
// focus, so the surface takes it.
class Swatch : public runtime::UserControl {
public:
    Swatch() { design({1500, 900, white}, {}); }

    Recorder record;
    int paints = 0;
    bool failPaint = false;
    // A key code that KeyDown discards.
    std::int16_t discarded = 0;

    using UserControl::setMinimumSize;

private:
    void UserControl_Paint(Canvas& canvas) override
    {
        ++paints;
        if (failPaint)
            throw runtime::RuntimeError(runtime::RuntimeError::InvalidProcedureCall, "Cannot draw");
        canvas.setLineWidth(0);
        canvas.setFillColor(red);
        canvas.rectangle(300, 150, 600, 600);
    }
    void UserControl_MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { record.mouse("MouseDown")(b, s, x, y); }
    void UserControl_MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { record.mouse("MouseMove")(b, s, x, y); }
    void UserControl_MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { record.mouse("MouseUp")(b, s, x, y); }
    void UserControl_Click() override { record("Click"); }
    void UserControl_DblClick() override { record("DblClick"); }
    void UserControl_KeyDown(std::int16_t& code, std::int16_t shift) override
    {
        record(QStringLiteral("KeyDown %1 %2").arg(code).arg(shift));
        if (code == discarded)
            code = 0;
    }
    void UserControl_KeyUp(std::int16_t& code, std::int16_t shift) override { record(QStringLiteral("KeyUp %1 %2").arg(code).arg(shift)); }
    void UserControl_KeyPress(std::int16_t& character) override { record(QStringLiteral("KeyPress %1").arg(character)); }
    void UserControl_GotFocus() override { record("GotFocus"); }
    void UserControl_LostFocus() override { record("LostFocus"); }
    void UserControl_EnterFocus() override { record("EnterFocus"); }
    void UserControl_ExitFocus() override { record("ExitFocus"); }
    void UserControl_AmbientChanged() override { record("AmbientChanged"); }
};

// A control with children: a label, a picture and a text box, whose events are bound as a
// window binds its controls'.
class Panel : public runtime::UserControl {
public:
    Panel()
    {
        design({3000, 1500}, {
            {"caption", &caption, "Level", 150, 150, 1200, 300},
            {"entry", &entry, "", 150, 600, 1500, 315, 0},
        });
        caption.Click.bind([this] { record("caption Click"); });
        caption.DblClick.bind([this] { record("caption DblClick"); });
        caption.MouseDown.bind(record.mouse("caption MouseDown"));
        caption.MouseUp.bind(record.mouse("caption MouseUp"));
        entry.KeyDown.bind([this](std::int16_t& code, std::int16_t shift) {
            record(QStringLiteral("entry KeyDown %1 %2").arg(code).arg(shift));
            if (code == discarded)
                code = 0;
        });
        entry.KeyUp.bind([this](std::int16_t& code, std::int16_t shift) { record(QStringLiteral("entry KeyUp %1 %2").arg(code).arg(shift)); });
        entry.KeyPress.bind([this](std::int16_t& character) { record(QStringLiteral("entry KeyPress %1").arg(character)); });
        entry.GotFocus.bind([this] { record("entry GotFocus"); });
        entry.LostFocus.bind([this] { record("entry LostFocus"); });
    }

    runtime::Label caption;
    runtime::TextBox entry;
    Recorder record;
    std::int16_t discarded = 0;

private:
    void UserControl_MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { record.mouse("MouseDown")(b, s, x, y); }
    void UserControl_MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { record.mouse("MouseUp")(b, s, x, y); }
    void UserControl_EnterFocus() override { record("EnterFocus"); }
    void UserControl_ExitFocus() override { record("ExitFocus"); }
};

// A host window with the control and a button to take the focus away to.
// Writes down the keys that reach a widget.
class KeysReaching : public QObject {
public:
    explicit KeysReaching(QWidget& widget) { widget.installEventFilter(this); }
    QList<int> keys;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys.append(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
};

// A double-click as the window system delivers it: press, release, double-click, release.
void doubleClick(QWidget* widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}

template <typename Control>
class Hosted : public ::testing::Test {
protected:
    void SetUp() override
    {
        control.widget()->setParent(&window);
        elsewhere.setParent(&window);
        elsewhere.move(0, 200);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
        control.record.seen.clear();
    }

    QWidget* surface() const { return control.widget(); }

    QWidget window;
    QWidget elsewhere{nullptr};
    Control control;
    runtime::testing::ScriptedMessages messages;
};

using SurfaceInput = Hosted<Swatch>;
using ChildInput = Hosted<Panel>;

}  // namespace

TEST_F(SurfaceInput, RaisesEachMouseEventOnceWithItsPointInTwips)
{
    QTest::mousePress(surface(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(surface(), QPoint(30, 40));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseClick(surface(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(1, 2));
    EXPECT_EQ(control.record.seen, QStringList({
        "MouseDown 1 1 150 300", "MouseMove 1 0 450 600", "MouseUp 1 1 450 600", "Click",
        "MouseDown 2 6 15 30", "MouseUp 2 6 15 30",
    }));
}

TEST_F(SurfaceInput, ADoubleClickIsAClickThenADblClickAndAPressReleasedOutsideNoClick)
{
    doubleClick(surface(), QPoint(5, 5));
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(control.record.seen, QStringList({
        "MouseDown 1 0 75 75", "MouseUp 1 0 75 75", "Click", "MouseDown 1 0 75 75", "DblClick", "MouseUp 1 0 75 75",
        "MouseDown 1 0 75 75", "MouseUp 1 0 2250 75",
    }));
}

TEST_F(SurfaceInput, TakesTheKeysWithItsOwnFocusAndMayDiscardOne)
{
    ASSERT_TRUE(control.enabled());
    elsewhere.setFocus();
    control.record.seen.clear();
    surface()->setFocus();
    control.discarded = KeyCode::letter('X');
    const KeysReaching host(window);
    QTest::keyClick(surface(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(surface(), Qt::Key_A);
    QTest::keyClick(surface(), Qt::Key_X);
    QTest::keyClick(surface(), Qt::Key_F5, Qt::ShiftModifier);
    elsewhere.setFocus();
    EXPECT_EQ(control.record.seen, QStringList({
        "GotFocus", "EnterFocus",
        "KeyDown 17 2", "KeyDown 37 2", "KeyUp 37 2", "KeyUp 17 0",
        "KeyDown 65 0", "KeyPress 97", "KeyUp 65 0",
        "KeyDown 88 0", "KeyUp 88 0",
        "KeyDown 16 1", "KeyDown 116 1", "KeyUp 116 1", "KeyUp 16 0",
        "LostFocus", "ExitFocus",
    }));
    // Those the control did not take went on to its host.
    EXPECT_EQ(host.keys, QList<int>({Qt::Key_Control, Qt::Key_Left, Qt::Key_A, Qt::Key_Shift, Qt::Key_F5}));
}

TEST_F(SurfaceInput, ADisabledControlTakesNoInputAndPaintsGreyed)
{
    window.setEnabled(false);
    control.record.seen.clear();
    QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(surface(), Qt::Key_A);
    EXPECT_TRUE(control.record.seen.isEmpty()) << control.record.seen.join(", ").toStdString();
    EXPECT_FALSE(control.enabled());
    // The red square greyed: a grey as light as red, halfway to the white behind it.
    const int grey = qGray(255, 0, 0);
    EXPECT_EQ(surface()->grab().toImage().pixelColor(40, 30), QColor((grey + 255) / 2, (grey + 255) / 2, (grey + 255) / 2));
}

TEST_F(SurfaceInput, PaintsInTwipsAndAgainOnlyOnRefresh)
{
    const QImage shown = surface()->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(100, 60));
    // The square covers pixels 20 to 59 across and 10 to 49 down.
    EXPECT_EQ(shown.pixelColor(20, 10), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(59, 49), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(19, 10), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(60, 49), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(20, 50), QColor(Qt::white));

    const int before = control.paints;
    control.Refresh();
    control.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(control.paints, before + 1);
}

TEST_F(SurfaceInput, AFailedPaintIsReportedOnceAndLeavesTheSurfaceBlankUntilRefresh)
{
    control.failPaint = true;
    control.Refresh();
    QCoreApplication::processEvents();
    surface()->repaint();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Run-time error '5':\n\nCannot draw");
    EXPECT_EQ(surface()->grab().toImage().pixelColor(40, 30), QColor(Qt::white));

    control.failPaint = false;
    control.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(surface()->grab().toImage().pixelColor(40, 30), QColor(Qt::red));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(SurfaceInput, TellsWhatTheHostGivesAndWhenItChanges)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(12);
    font.setBold(true);
    window.setFont(font);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    palette.setColor(QPalette::WindowText, QColor(4, 5, 6));
    window.setPalette(palette);
    const runtime::Ambient ambient = control.ambient();
    EXPECT_EQ(ambient.font.name, "Liberation Serif");
    EXPECT_EQ(ambient.font.points, 12);
    EXPECT_TRUE(ambient.font.bold);
    EXPECT_EQ(ambient.backColor, runtime::rgb(1, 2, 3));
    EXPECT_EQ(ambient.foreColor, runtime::rgb(4, 5, 6));
    EXPECT_TRUE(ambient.userMode);
    EXPECT_EQ(control.record.seen, QStringList({"AmbientChanged", "AmbientChanged"}));
}

TEST_F(SurfaceInput, KeepsItsMinimumSize)
{
    control.setMinimumSize(1200, 600);
    control.setWidth(300);
    control.setHeight(900);
    EXPECT_EQ(control.width(), 1200);
    EXPECT_EQ(control.height(), 900);
    control.setMinimumSize(2000, 1000);
    EXPECT_EQ(control.width(), 2000);
    EXPECT_EQ(control.height(), 1000);
}

TEST_F(ChildInput, ALabelRaisesClickAndMouseEventsAtItsOwnPoints)
{
    QWidget* caption = control.caption.widget();
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(4, 6));
    doubleClick(caption, QPoint(4, 6));
    // Released far outside: no Click, and nothing of the surface's, which took no press.
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(4, 6));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(4, 400));
    EXPECT_EQ(control.record.seen, QStringList({
        "caption MouseDown 1 0 60 90", "caption MouseUp 1 0 60 90", "caption Click",
        "caption MouseDown 1 0 60 90", "caption MouseUp 1 0 60 90", "caption Click",
        "caption MouseDown 1 0 60 90", "caption DblClick", "caption MouseUp 1 0 60 90",
        "caption MouseDown 1 0 60 90", "caption MouseUp 1 0 60 6000",
    }));
}

TEST_F(ChildInput, AChildsKeysReachItsHandlersAndADiscardedKeyNeverReachesIt)
{
    elsewhere.setFocus();
    control.record.seen.clear();
    control.entry.setFocus();
    control.discarded = KeyCode::letter('B');
    QTest::keyClicks(control.entry.widget(), "abc");
    EXPECT_EQ(control.entry.text(), "ac");
    EXPECT_EQ(control.record.seen, QStringList({
        "entry GotFocus", "EnterFocus",
        "entry KeyDown 65 0", "entry KeyPress 97", "entry KeyUp 65 0",
        "entry KeyDown 66 0", "entry KeyUp 66 0",
        "entry KeyDown 67 0", "entry KeyPress 99", "entry KeyUp 67 0",
    }));
}

TEST_F(ChildInput, ADisabledChildRaisesNothing)
{
    control.caption.setEnabled(false);
    control.entry.setEnabled(false);
    control.record.seen.clear();
    QTest::mouseClick(control.caption.widget(), Qt::LeftButton, {}, QPoint(4, 6));
    QTest::keyClicks(control.entry.widget(), "a");
    EXPECT_TRUE(control.record.seen.isEmpty()) << control.record.seen.join(", ").toStdString();
}

TEST(Buttons, ShowAPictureAndAFlatLookAndRefuseAPictureThatIsNone)
{
    runtime::Button button;
    EXPECT_FALSE(button.hasPicture());
    EXPECT_FALSE(button.flat());
    button.setFlat(true);
    EXPECT_TRUE(button.flat());
    try {
        button.setPicture("/nonexistent/star.png");
        FAIL() << "no error raised";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::RuntimeError::InvalidPicture);
        EXPECT_EQ(error.text(), "Invalid picture: /nonexistent/star.png");
    }
    EXPECT_FALSE(button.hasPicture());
}
