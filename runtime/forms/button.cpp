// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/button.h"

#include "runtime/base/error.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
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
public:
    QIcon picture;

protected:
    // A picture sits above the caption, centred, or in the middle when there is none.
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        option.icon = {};
        painter.drawControl(QStyle::CE_PushButton, option);
        QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        if (!picture.isNull()) {
            const QPixmap shown = picture.pixmap(picture.availableSizes().value(0), isEnabled() ? QIcon::Normal : QIcon::Disabled);
            const QSize size = shown.deviceIndependentSize().toSize();
            const int top = caption.isEmpty() ? area.top() + (area.height() - size.height()) / 2 : area.top();
            painter.drawPixmap(area.left() + (area.width() - size.width()) / 2, top, shown);
            area.setTop(top + size.height());
        }
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

void Button::setPicture(const Text& path)
{
    QPixmap image(path);
    if (image.isNull())
        throw RuntimeError(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture: %1").arg(path));
    static_cast<CaptionButton*>(button())->picture = QIcon(image);
    button()->update();
}

bool Button::hasPicture() const
{
    return !static_cast<CaptionButton*>(button())->picture.isNull();
}

bool Button::flat() const
{
    return button()->isFlat();
}

void Button::setFlat(bool flat)
{
    button()->setFlat(flat);
}

void Button::applyDesignAttributes(const Attributes& attributes)
{
    if (!attributes.picture.isEmpty())
        setPicture(attributes.picture);
    setFlat(attributes.flat);
}

void Button::press()
{
    button()->click();
}

}  // namespace runtime
