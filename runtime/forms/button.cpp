#include "runtime/forms/button.h"

#include <QKeyEvent>
#include <QPushButton>

namespace runtime {
namespace {

// A button that is also pressed by Enter while it has the focus, as Space presses it.
class EnterPressButton : public QPushButton {
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

Button::Button() : Control(new EnterPressButton)
{
    QObject::connect(button(), &QPushButton::clicked, [this] { Click.raise(); });
}

QPushButton* Button::button() const
{
    return static_cast<QPushButton*>(widget());
}

Text Button::caption() const
{
    return button()->text();
}

void Button::setCaption(const Text& caption)
{
    button()->setText(caption);
}

void Button::press()
{
    button()->click();
}

}  // namespace runtime
