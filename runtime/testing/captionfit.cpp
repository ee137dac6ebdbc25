// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/testing/captionfit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace runtime::testing {
namespace {

QString wrappedMisfit(const QWidget& widget, const QRect& area, const QString& text)
{
    const QRect needed =
        widget.fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    if (needed.width() > area.width())
        return QStringLiteral("a word is %1 pixels wide in %2").arg(needed.width()).arg(area.width());
    if (needed.height() > area.height())
        return QStringLiteral("its lines take %1 pixels of height in %2").arg(needed.height()).arg(area.height());
    return {};
}

QString oneLineMisfit(const QFontMetrics& metrics, const QString& text, int width, int height)
{
    const int needed = metrics.horizontalAdvance(text);
    if (needed > width)
        return QStringLiteral("one line takes %1 pixels of width in %2").arg(needed).arg(width);
    if (metrics.height() > height)
        return QStringLiteral("a line is %1 pixels high in %2").arg(metrics.height()).arg(height);
    return {};
}

QString buttonMisfit(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect area = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return wrappedMisfit(button, area, button.text());
}

QString labelMisfit(const QLabel& label)
{
    if (label.wordWrap())
        return wrappedMisfit(label, label.contentsRect(), label.text());
    return oneLineMisfit(label.fontMetrics(), label.text(), label.contentsRect().width(), label.contentsRect().height());
}

// The indicator, the gap beside it and the caption on one line.
QString optionMisfit(const QAbstractButton& button)
{
    const QSize needed = button.sizeHint();
    if (needed.width() > button.width())
        return QStringLiteral("indicator and caption take %1 pixels of width in %2").arg(needed.width()).arg(button.width());
    return oneLineMisfit(button.fontMetrics(), button.text(), button.width(), button.height());
}

// The caption sits on the top border, between the border's corners.
QString frameMisfit(const QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    if (label.right() >= frame.width())
        return QStringLiteral("the caption ends at pixel %1 of %2").arg(label.right() + 1).arg(frame.width());
    return {};
}

QString textBoxMisfit(const QLineEdit& box)
{
    constexpr int frameAndMargins = 6;  // the style's frame and the box's side margins
    return oneLineMisfit(box.fontMetrics(), box.text(), box.width() - frameAndMargins, box.height());
}

}  // namespace

QString captionMisfit(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->text().isEmpty() ? QString() : buttonMisfit(*button);
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().isEmpty() || !label->pixmap().isNull() ? QString() : labelMisfit(*label);
    if (const auto* option = qobject_cast<const QAbstractButton*>(&widget))
        return option->text().isEmpty() ? QString() : optionMisfit(*option);
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return frame->title().isEmpty() ? QString() : frameMisfit(*frame);
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget))
        return box->text().isEmpty() ? QString() : textBoxMisfit(*box);
    return {};
}

QStringList captionMisfits(const QWidget& top)
{
    QList<const QWidget*> widgets{&top};
    for (const QWidget* child : top.findChildren<const QWidget*>())
        widgets.append(child);
    QStringList misfits;
    for (const QWidget* widget : widgets) {
        if (widget->isHidden() && widget != &top)
            continue;
        const QString why = captionMisfit(*widget);
        if (why.isEmpty())
            continue;
        const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
        const QString text = qobject_cast<const QGroupBox*>(widget) ? static_cast<const QGroupBox*>(widget)->title()
            : qobject_cast<const QLabel*>(widget)                   ? static_cast<const QLabel*>(widget)->text()
            : qobject_cast<const QLineEdit*>(widget)                ? static_cast<const QLineEdit*>(widget)->text()
                                                                    : static_cast<const QAbstractButton*>(widget)->text();
        misfits.append(QStringLiteral("%1: '%2': %3").arg(name, text, why));
    }
    return misfits;
}

}  // namespace runtime::testing
