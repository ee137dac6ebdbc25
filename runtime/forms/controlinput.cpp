// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/control.h"

#include "runtime/forms/keyevents_p.h"
#include "runtime/forms/teardown_p.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace runtime {

// Raises a control's mouse, key and focus events from what its widget receives. A list
// or a multi-line box takes the mouse in the area inside its frame, so that area is
// watched as well, and its points are counted from the control's corner like the others.
class Control::Input : public QObject {
public:
    Input(Control& control, QWidget* widget) : QObject(widget), control_(control)
    {
        widget->installEventFilter(this);
        if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget))
            scrollArea->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (control_.deliveringUnraised_ || detail::ControlTeardown::underway())
            return false;
        // A disabled widget's filters still see what is sent to it; the widget ignores it.
        if (event->isInputEvent() && !control_.widget()->isEnabled())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            mouse(static_cast<QWidget*>(watched), *static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::KeyPress:
            return watched == control_.widget() && keyPressed(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return watched == control_.widget() && keyReleased(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            if (watched == control_.widget())
                control_.GotFocus.raise();
            return false;
        case QEvent::FocusOut:
            if (watched == control_.widget())
                control_.LostFocus.raise();
            return false;
        default:
            return false;
        }
    }

private:
    void mouse(QWidget* watched, const QMouseEvent& event)
    {
        const QPointF point = watched->mapTo(control_.widget(), event.position());
        const float x = static_cast<float>(point.x()) * twipsPerPixel;
        const float y = static_cast<float>(point.y()) * twipsPerPixel;
        const std::int16_t shift = detail::shiftStateOf(event.modifiers());
        switch (event.type()) {
        case QEvent::MouseButtonPress:
            pressedInside_ = event.button() == Qt::LeftButton;
            control_.MouseDown.raise(detail::mouseButtonsOf(event.button()), shift, x, y);
            break;
        case QEvent::MouseButtonDblClick:
            // The second press of a double-click raises DblClick; as it marks no press, its
            // release raises no Click.
            control_.MouseDown.raise(detail::mouseButtonsOf(event.button()), shift, x, y);
            if (event.button() == Qt::LeftButton)
                control_.mouseDoubleClicked();
            break;
        case QEvent::MouseButtonRelease:
            control_.MouseUp.raise(detail::mouseButtonsOf(event.button()), shift, x, y);
            if (event.button() == Qt::LeftButton && std::exchange(pressedInside_, false)
                && control_.widget()->rect().contains(point.toPoint()))
                control_.mouseClicked();
            break;
        default:
            control_.MouseMove.raise(detail::mouseButtonsOf(event.buttons()), shift, x, y);
        }
    }

    bool keyPressed(const QKeyEvent& event)
    {
        if (std::int16_t code = detail::keyCodeOf(event)) {
            control_.KeyDown.raise(code, detail::shiftStateOf(event.modifiers()));
            if (code == 0)
                return true;
        }
        return control_.characterKey(event);
    }

    bool keyReleased(const QKeyEvent& event)
    {
        std::int16_t code = detail::keyCodeOf(event);
        if (code == 0)
            return false;
        control_.KeyUp.raise(code, detail::shiftStateOf(event.modifiers()));
        return code == 0;
    }

    Control& control_;
    bool pressedInside_ = false;
};

void Control::attachInput()
{
    if (widget_)
        new Input(*this, widget_.data());
}

bool Control::characterKey(const QKeyEvent& event)
{
    const std::int16_t pressed = detail::characterCodeOf(event);
    if (pressed == 0)
        return false;
    std::int16_t code = pressed;
    KeyPress.raise(code);
    if (code == pressed)
        return false;
    if (code != 0) {
        QKeyEvent typed = detail::keyEventFor(code);
        deliverUnraised(typed);
    }
    return true;
}

void Control::deliverUnraised(QEvent& event)
{
    if (!widget_)
        return;
    const bool wasDelivering = std::exchange(deliveringUnraised_, true);
    QCoreApplication::sendEvent(widget_.data(), &event);
    deliveringUnraised_ = wasDelivering;
}

}  // namespace runtime
