// SPDX-License-Identifier: LGPL-2.1-or-later
// The keys, the mouse and the snapshots of a control script, run in the test's own process
// against a probe control whose widgets note every key and mouse event they receive.
#include "runtime/components/binding.h"
#include "runtime/components/instance.h"
#include "runtime/forms/label.h"
#include "runtime/forms/textbox.h"
#include "runtime/testing/permissions.h"
#include "runtime/testing/testfolder.h"
#include "runtime/testing/textprinting.h"
#include "runtime/tools/script.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using runtime::components::Instance;

// A control of known colours, 80 x 40 pixels: a blue surface that takes the focus on a
// click and follows the mouse without a button, a text box at its top left and a red
// label below its middle.
class ProbeControl : public runtime::UserControl {
public:
    ProbeControl()
    {
        design({1200, 600, runtime::rgb(0, 0, 255)}, {
            {"entry", &entry, "", 0, 0, 600, 300, 0},
            {"patch", &patch, "", 600, 300, 300, 150, -1, {.backColor = runtime::rgb(255, 0, 0)}},
        });
        widget()->setFocusPolicy(Qt::ClickFocus);
        widget()->setMouseTracking(true);
    }

    runtime::TextBox entry;
    runtime::Label patch;
};

constexpr runtime::components::ClassDescriptor probeClass = {
    .name = "probe",
    .id = "{3f0c2a4e-8d51-4b7a-9e26-5c1d7f8a9b03}",
    .control = true,
    .defaultInterface = {"_probe", "{6a9e1f27-0b4c-4d38-a5e2-7f3b8c1d2e94}", runtime::components::Dual, {}},
    .eventInterface = {"__probe", "{c41d8e53-2f6a-4b09-8d17-9e5a3b2c6f80}", runtime::components::DispatchOnly, {}},
    .threading = runtime::components::ThreadingModel::Apartment,
    .picture = {},
    .create = &runtime::components::create<ProbeControl>,
};
constexpr const runtime::components::ClassDescriptor* probeClasses[] = {&probeClass};
constexpr runtime::components::LibraryDescriptor probeLibrary = {
    .name = "probe",
    .id = "{9b7e4c21-5a3d-4f68-b0e9-1d2c8a7f6e35}",
    .description = "The script tests' probe",
    .runtimeVersion = 1,
    .classes = probeClasses,
};

struct KeyReceived {
    QString widget;
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    friend bool operator==(const KeyReceived&, const KeyReceived&) = default;
};

struct MouseReceived {
    QString widget;
    QEvent::Type type;
    QPointF position;
    Qt::MouseButton button;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers = {};
    friend bool operator==(const MouseReceived&, const MouseReceived&) = default;
};

void PrintTo(const KeyReceived& key, std::ostream* out)
{
    *out << key.widget.toStdString() << " event " << key.type << " key 0x" << std::hex << key.key << " modifiers 0x"
         << key.modifiers.toInt() << std::dec << " text ";
    PrintTo(key.text, out);
}

void PrintTo(const MouseReceived& mouse, std::ostream* out)
{
    *out << mouse.widget.toStdString() << " event " << mouse.type << " at " << mouse.position.x() << ", "
         << mouse.position.y() << " button " << mouse.button << " buttons " << mouse.buttons.toInt() << " modifiers 0x"
         << std::hex << mouse.modifiers.toInt() << std::dec;
}

// Notes the key and mouse events of the widgets it watches, named by design name, and takes
// them, so that none goes on to a parent that the widget would leave it to.
class InputLog : public QObject {
public:
    std::vector<KeyReceived> keys;
    std::vector<MouseReceived> mouse;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QString name = watched->objectName().isEmpty() ? QStringLiteral("surface") : watched->objectName();
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            keys.push_back({name, event->type(), key->key(), key->modifiers(), key->text()});
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto* button = static_cast<QMouseEvent*>(event);
            mouse.push_back({name, event->type(), button->position(), button->button(), button->buttons(), button->modifiers()});
            return true;
        }
        default:
            return false;
        }
    }
};

class ControlScript : public ::testing::Test {
protected:
    ControlScript()
    {
        for (QWidget* widget : {control.widget(), control.entry.widget(), control.patch.widget()})
            widget->installEventFilter(&log);
    }

    // The lines the script printed.
    QStringList run(const QString& script)
    {
        printed.clear();
        runner.run(script);
        return printed;
    }

    InputLog log;
    std::shared_ptr<Instance> instance =
        std::make_shared<Instance>(nullptr, probeLibrary, probeClass, std::make_unique<ProbeControl>());
    ProbeControl& control = static_cast<ProbeControl&>(*instance->control());
    QStringList printed;
    runtime::tools::ScriptRunner runner{instance, [this](const QString& line) { printed.append(line); }};
    runtime::testing::TestFolder folder;
};

}  // namespace

TEST_F(ControlScript, AKeyArrivesWithItsCodeModifiersAndTheTextAKeyboardGives)
{
    const struct {
        const char* line;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    } rows[] = {
        {"key Left", Qt::Key_Left, {}, ""},
        {"key right", Qt::Key_Right, {}, ""},
        {"key Shift+Up", Qt::Key_Up, Qt::ShiftModifier, ""},
        {"key Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, ""},
        {"key PAGEDOWN", Qt::Key_PageDown, {}, ""},
        {"key Insert", Qt::Key_Insert, {}, ""},
        {"key Delete", Qt::Key_Delete, {}, ""},
        {"key Backspace", Qt::Key_Backspace, {}, "\b"},
        {"key Tab", Qt::Key_Tab, {}, "\t"},
        {"key Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
        {"key Return", Qt::Key_Return, {}, "\r"},
        {"key Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"},
        {"key Escape", Qt::Key_Escape, {}, "\x1b"},
        {"key Space", Qt::Key_Space, {}, " "},
        {"key F1", Qt::Key_F1, {}, ""},
        {"key alt+f4", Qt::Key_F4, Qt::AltModifier, ""},
        {"key F12", Qt::Key_F12, {}, ""},
        {"key a", Qt::Key_A, {}, "a"},
        {"key Shift+a", Qt::Key_A, Qt::ShiftModifier, "A"},
        {"key Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01"},
        {"key Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a"},
        {"key Alt+x", Qt::Key_X, Qt::AltModifier, "x"},
        {"key 0", Qt::Key_0, {}, "0"},
        {"key Ctrl+9", Qt::Key_9, Qt::ControlModifier, "9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        log.keys.clear();
        EXPECT_EQ(run(row.line), QStringList());
        EXPECT_EQ(log.keys, (std::vector<KeyReceived>{{"entry", QEvent::KeyPress, row.key, row.modifiers, row.text},
                                                      {"entry", QEvent::KeyRelease, row.key, row.modifiers, row.text}}));
    }
}

TEST_F(ControlScript, TheMouseArrivesAtTheWidgetUnderThePointOrTheOneThatTookThePress)
{
    const QStringList printed = run("mousedown 150 75\n"             // on the text box: pixel 10, 5
                                    "mousemove 750 375\n"            // over the label, held by the text box
                                    "mouseup 750 375\n"
                                    "mousedown 750 375 Right Shift+Ctrl\n"  // on the label: 10, 5 of its own
                                    "mousedown 1050 525 middle\n"    // over the surface, held by the label
                                    "mouseup 1050 525 Right\n"
                                    "mouseup 1050 525 Middle\n"
                                    "mousemove 1050 525 Alt\n"       // on the surface, no button down
                                    "dblclick 1050 525\n");
    EXPECT_EQ(printed, QStringList());
    const auto none = Qt::NoButton;
    const auto left = Qt::LeftButton;
    EXPECT_EQ(log.mouse, (std::vector<MouseReceived>{
        {"entry", QEvent::MouseButtonPress, {10, 5}, left, left},
        {"entry", QEvent::MouseMove, {50, 25}, none, left},
        {"entry", QEvent::MouseButtonRelease, {50, 25}, left, none},
        {"patch", QEvent::MouseButtonPress, {10, 5}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier},
        {"patch", QEvent::MouseButtonPress, {30, 15}, Qt::MiddleButton, Qt::RightButton | Qt::MiddleButton},
        {"patch", QEvent::MouseButtonRelease, {30, 15}, Qt::RightButton, Qt::MiddleButton},
        {"patch", QEvent::MouseButtonRelease, {30, 15}, Qt::MiddleButton, none},
        {"surface", QEvent::MouseMove, {70, 35}, none, none, Qt::AltModifier},
        {"surface", QEvent::MouseButtonPress, {70, 35}, left, left},
        {"surface", QEvent::MouseButtonRelease, {70, 35}, left, none},
        {"surface", QEvent::MouseButtonDblClick, {70, 35}, left, left},
        {"surface", QEvent::MouseButtonRelease, {70, 35}, left, none},
    }));
    EXPECT_EQ(QApplication::focusWidget(), control.widget()) << "a press gives the focus to a widget that takes it on a click";
}

TEST_F(ControlScript, ASnapshotIsThePictureOfTheControlAsItIsDrawn)
{
    const QString file = folder.path("look.png");
    EXPECT_EQ(run("snapshot " + file), QStringList{"snapshot " + file + " -> " + file + ", 80 x 40 pixels"});
    const QImage image(file);
    ASSERT_EQ(image.size(), QSize(80, 40));
    EXPECT_EQ(image.pixelColor(70, 35), QColor(0, 0, 255)) << "the surface";
    EXPECT_EQ(image.pixelColor(50, 25), QColor(255, 0, 0)) << "the label";
    EXPECT_NE(image.pixelColor(5, 5), QColor(0, 0, 255)) << "the text box";

    run("resize 600 300\nsnapshot " + file);
    EXPECT_EQ(QImage(file).size(), QSize(40, 20)) << "at its size now";
}

TEST_F(ControlScript, ALineThatCannotBeDoneSaysWhyAndDeliversNothing)
{
    const QString missing = folder.path("missing/look.png");
    const QString keys = "Left, Right, Up, Down, Home, End, PageUp, PageDown, Insert, Delete, Backspace, Tab, Return, Enter, "
                         "Escape, Space, F1\u2013F12, A\u2013Z, 0\u20139";
    EXPECT_EQ(run("key Hyper+A\nkey Ctrl+Foo\nkey\nkey Ctrl+\n"
                  "mousedown 1200 0\nmousedown 0 -15\nmousedown 1e30 0\nmousedown 10\nmousedown 0 0 Rigth\n"
                  "mousedown 0 0 Left Shift Ctrl\nmousedown 0 0 Shift+Hyper\nmousemove 0 0 Left\nmouseup 0 0\n"
                  "mousedown 0 0\nmousedown 0 0\nmouseup 0 0\nmouseup 0 0\n"
                  "snapshot\nsnapshot " + missing + "\nsnapshot " + folder.path() + "\nresize 0 300\nsnapshot empty.png"),
              (QStringList{
                  "line 1: Hyper is no modifier (Shift, Ctrl, Alt)",
                  "line 2: Foo is no key this script knows (" + keys + ")",
                  "line 3: no key is named (" + keys + ")",
                  "line 4: no key is named (" + keys + ")",
                  "line 5: 1200, 0 is outside the control (pixel 80, 0 of 80 x 40)",
                  "line 6: 0, -15 is outside the control (pixel 0, -1 of 80 x 40)",
                  "line 7: 1e30, 0 is outside the control (pixel 6667, 0 of 80 x 40)",
                  "line 8: mousedown needs a point: x and y in twips from the control's top-left corner",
                  "line 9: Rigth is no button (Left, Right, Middle) nor modifier (Shift, Ctrl, Alt)",
                  "line 10: Ctrl is a word too many: modifiers are joined by + (Shift+Ctrl)",
                  "line 11: Hyper is no modifier (Shift, Ctrl, Alt)",
                  "line 12: Left is no modifier (Shift, Ctrl, Alt)",
                  "line 13: the Left button is not down",
                  "line 15: the Left button is down already",
                  "line 17: the Left button is not down",
                  "line 18: snapshot needs the name of the PNG file to write",
                  "line 19: cannot write the snapshot " + missing + ": No such file or directory",
                  "line 20: cannot write the snapshot " + folder.path() + ": Filename refers to a directory",
                  "resize 0 300 -> 0 x 300",
                  "line 22: the control has no pixels to show: it is 0 x 300 twips",
              }));
    EXPECT_TRUE(log.keys.empty());
    EXPECT_EQ(log.mouse.size(), 2u) << "the one press and its release";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(ControlScript, ASnapshotInAFolderThatCannotBeWrittenLeavesNothing)
{
    SKIP_UNLESS_PERMISSIONS_HOLD();
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    const QString file = folder.path("look.png");
    EXPECT_EQ(run("snapshot " + file), QStringList{"line 1: cannot write the snapshot " + file + ": Permission denied"});
    ::chmod(QFile::encodeName(folder.path()).constData(), 0700);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}
