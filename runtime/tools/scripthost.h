// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/instance.h"
#include "runtime/forms/msgbox.h"

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace runtime::tools {

// The container of a control while a script runs: a window off screen that places the
// control at its design size and gives it every extent it asks for, prints each event the
// control raises and each message box it shows (answered with its default button), and
// delivers keys and the mouse as a user's would arrive. Keys arrive without the presses of
// their modifier keys, and the mouse without enter and leave events.
class ScriptHost : public components::Site, private MessagePresenter {
public:
    using Print = std::function<void(const Text& line)>;

    ScriptHost(std::shared_ptr<components::Instance> instance, Print print);
    ~ScriptHost() override;
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    components::Instance& instance() const { return *instance_; }

    void extentRequested(float width, float height) override;

    // Key presses into the widget with the focus, one a character.
    void type(const Text& text);
    // A press and a release of one key into the widget with the focus, each when it comes.
    void pressKey(int key, Qt::KeyboardModifiers modifiers, const Text& text);

    // The mouse at a pixel of the control's surface. Each event goes where the toolkit
    // sends a window system's: to the deepest widget at the point, in that widget's own
    // coordinates, or, while a button is down, to the widget that took the first press
    // (its implicit grab). A press first gives the focus to the widget that takes it on a
    // click; a move carries the buttons that are down.
    void mousePress(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseMove(QPoint point, Qt::KeyboardModifiers modifiers);
    void mouseRelease(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Two clicks, the second press arriving as the double click, as widgets receive it.
    void doubleClick(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    Qt::MouseButtons buttonsDown() const { return buttons_; }
    // A mouse click in the middle of a child, on whatever lies there.
    void click(Control& child);

    // The control as it is drawn now, at its current size.
    QImage snapshot() const;

private:
    MsgBoxResult present(const MessageBoxRequest& request) override;
    void sendMouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    std::shared_ptr<components::Instance> instance_;
    Print print_;
    QWidget window_;
    Qt::MouseButtons buttons_;
    QPointer<QWidget> grabber_;  // took the press of the buttons that are down
};

}  // namespace runtime::tools
