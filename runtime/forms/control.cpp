// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/control.h"

#include "runtime/forms/designfont_p.h"
#include "runtime/forms/qtcolour_p.h"
#include "runtime/forms/teardown_p.h"

#include <QPalette>
#include <QWidget>

namespace runtime {

Control::Control(QWidget* widget) : widget_(widget)
{
    attachInput();
}

namespace {
int teardowns = 0;
}  // namespace

detail::ControlTeardown::ControlTeardown() { ++teardowns; }
detail::ControlTeardown::~ControlTeardown() { --teardowns; }
bool detail::ControlTeardown::underway() { return teardowns > 0; }

Control::~Control()
{
    const detail::ControlTeardown teardown;
    delete widget_.data();
}

void Control::setLeft(float left) { move(left, top_, width_, height_); }
void Control::setTop(float top) { move(left_, top, width_, height_); }
void Control::setWidth(float width) { move(left_, top_, width, height_); }
void Control::setHeight(float height) { move(left_, top_, width_, height); }

void Control::move(float left, float top, float width, float height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
    moved();
}

void Control::applyGeometry()
{
    if (widget_)
        widget_->setGeometry(pixels(left_), pixels(top_), pixels(width_), pixels(height_));
}

bool Control::enabled() const { return !widget_ || widget_->isEnabled(); }
void Control::setEnabled(bool enabled)
{
    if (widget_)
        widget_->setEnabled(enabled);
}

bool Control::visible() const { return widget_ && !widget_->isHidden(); }
void Control::setVisible(bool visible)
{
    if (widget_)
        widget_->setVisible(visible);
}

void Control::setFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const
{
    return widget_ && widget_->window()->focusWidget() == widget_.data();
}

Colour Control::foreColor() const
{
    return widget_ ? fromQColor(widget_->palette().color(widget_->foregroundRole())) : Colour{};
}

void Control::setForeColor(Colour colour)
{
    if (!widget_)
        return;
    QPalette palette = widget_->palette();
    palette.setColor(widget_->foregroundRole(), toQColor(colour));
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    widget_->setPalette(palette);
}

Colour Control::backColor() const
{
    return widget_ ? fromQColor(widget_->palette().color(widget_->backgroundRole())) : Colour{};
}

void Control::setBackColor(Colour colour)
{
    if (!widget_)
        return;
    QPalette palette = widget_->palette();
    palette.setColor(widget_->backgroundRole(), toQColor(colour));
    palette.setColor(QPalette::Button, toQColor(colour));
    palette.setColor(QPalette::Base, toQColor(colour));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void Control::setFont(const Font& font)
{
    if (!widget_)
        return;
    widget_->setFont(detail::toolkitFont(font, widget_->font()));
}

void Control::setToolTip(const Text& toolTip)
{
    if (widget_)
        widget_->setToolTip(toolTip);
}

}  // namespace runtime
