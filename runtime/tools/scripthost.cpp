// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/scripthost.h"

#include "runtime/components/usercontrol.h"
#include "runtime/tools/notation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace runtime::tools {
namespace {

// What the toolkit does before it delivers a window system's press: the first widget from
// the one pressed up to its window that takes the focus on a click gets it, unless a widget
// on the way has it already.
void giveFocusOnPress(QWidget* pressed)
{
    for (QWidget* widget = pressed; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        const QWidget* focusTaker = widget->focusProxy() ? widget->focusProxy() : widget;
        if (widget->isWindow() || focusTaker->hasFocus())
            return;
    }
}

}  // namespace

ScriptHost::ScriptHost(std::shared_ptr<components::Instance> instance, Print print)
    : instance_(std::move(instance)), print_(std::move(print))
{
    setMessagePresenter(this);
    instance_->setEventHandler([print = print_](const components::MemberInfo& event, Arguments& arguments) {
        print(eventLine(event.name, arguments));
    });
    instance_->widget()->setParent(&window_);
    instance_->setSite(this);
    window_.show();
    window_.activateWindow();
    QCoreApplication::processEvents();
    // Placed at its design size, as a container places a new control.
    extentRequested(instance_->control()->width(), instance_->control()->height());
    if (QWidget* first = instance_->focusWidget())
        first->setFocus(Qt::OtherFocusReason);
}

ScriptHost::~ScriptHost()
{
    instance_->setSite(nullptr);
    setMessagePresenter(nullptr);
}

MsgBoxResult ScriptHost::present(const MessageBoxRequest& request)
{
    print_(QStringLiteral("message %1").arg(Variant(request.text).literal()));
    return defaultAnswerOf(request.style);
}

void ScriptHost::extentRequested(float width, float height)
{
    window_.resize(pixels(width), pixels(height));
    instance_->setExtent(width, height);
}

void ScriptHost::pressKey(int key, Qt::KeyboardModifiers modifiers, const Text& text)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window_;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window_, &release);
}

void ScriptHost::type(const Text& text)
{
    for (const QChar character : text) {
        int key = character.unicode();
        if (character.isLetter())
            key = character.toUpper().unicode();
        pressKey(key, Qt::NoModifier, Text(character));
    }
}

void ScriptHost::sendMouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QWidget* surface = instance_->widget();
    QWidget* under = surface->childAt(point);
    const QPointer<QWidget> target = grabber_ ? grabber_.data() : under ? under : surface;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (!buttons_)
            grabber_ = target;
        buttons_ |= button;
    } else if (type == QEvent::MouseButtonRelease) {
        buttons_ &= ~button;
    }
    if (!buttons_)
        grabber_ = nullptr;
    if (type == QEvent::MouseButtonPress)
        giveFocusOnPress(target);
    if (!target)
        return;  // the focus taken away ended it
    const QPointF position(point);
    QMouseEvent event(type, target->mapFrom(surface, position), surface->mapTo(surface->window(), position),
                      surface->mapToGlobal(position), button, buttons_, modifiers);
    QApplication::sendEvent(target, &event);
}

void ScriptHost::mousePress(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    sendMouse(QEvent::MouseButtonPress, point, button, modifiers);
}

void ScriptHost::mouseMove(QPoint point, Qt::KeyboardModifiers modifiers)
{
    sendMouse(QEvent::MouseMove, point, Qt::NoButton, modifiers);
}

void ScriptHost::mouseRelease(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    sendMouse(QEvent::MouseButtonRelease, point, button, modifiers);
}

void ScriptHost::doubleClick(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    mousePress(point, button, modifiers);
    mouseRelease(point, button, modifiers);
    sendMouse(QEvent::MouseButtonDblClick, point, button, modifiers);
    mouseRelease(point, button, modifiers);
}

void ScriptHost::click(Control& child)
{
    // The click lands on what lies at the child's centre: a list box takes it in the
    // area inside its frame, not in the frame itself.
    const QWidget* widget = child.widget();
    const QPoint middle = widget->mapTo(instance_->widget(), QPoint(widget->width() / 2, widget->height() / 2));
    mousePress(middle, Qt::LeftButton, Qt::NoModifier);
    mouseRelease(middle, Qt::LeftButton, Qt::NoModifier);
}

QImage ScriptHost::snapshot() const
{
    return instance_->widget()->grab().toImage();
}

}  // namespace runtime::tools
