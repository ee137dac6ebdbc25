#include "runtime/forms/button.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace runtime {
namespace {

// A button that is also pressed by Enter while it has the focus, as Space presses it,
// and whose caption wraps at spaces onto as many lines as its height holds, centred
// both ways: a design gives a narrow button a caption of several words
// ("Find First Name" on a button 855 twips wide) and counts on the wrap.
class CaptionButton : public QPushButton {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                              isEnabled(), caption, QPalette::ButtonText);
    }

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

Button::Button() : Control(new CaptionButton)
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
