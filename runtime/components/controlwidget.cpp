// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/controlwidget_p.h"

#include "runtime/components/host_p.h"
#include "runtime/forms/design.h"
#include "runtime/forms/designfont_p.h"

namespace runtime::components {

ControlWidget::ControlWidget(const Text& classIdentifier, QWidget* parent)
    : QWidget(parent), instance_(createInstance(classIdentifier))
{
    // No Program has set the scene in a host of another kind: the control's texts get
    // the faces and the font they have in the suite's own windows.
    detail::loadStandInFaces();
    setFont(detail::toolkitFont(Font{QStringLiteral("MS Sans Serif"), 8}));

    const UserControl& control = *instance_->control();
    designSize_ = QSize(pixels(control.width()), pixels(control.height()));
    instance_->widget()->setParent(this);
    instance_->widget()->show();
    if (QWidget* focus = instance_->focusWidget()) {
        setFocusProxy(focus);
        setFocusPolicy(Qt::StrongFocus);
    }
    instance_->setSite(this);
    resize(designSize_);
}

ControlWidget::~ControlWidget()
{
    instance_->setEventHandler(nullptr);
    instance_->setSite(nullptr);
    instance_->destroy();
}

QSize ControlWidget::sizeHint() const
{
    return designSize_;
}

// The first size places the control, which runs its layout even at its design size;
// after that, only a size other than the control's extent does.
void ControlWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const UserControl* control = instance_->control();
    if (!control || (toldExtent_ && pixels(control->width()) == width() && pixels(control->height()) == height()))
        return;
    toldExtent_ = true;
    instance_->setExtent(static_cast<float>(width()) * twipsPerPixel, static_cast<float>(height()) * twipsPerPixel);
}

void ControlWidget::extentRequested(float width, float height)
{
    toldExtent_ = true;
    instance_->setExtent(width, height);
    resize(pixels(width), pixels(height));
}

}  // namespace runtime::components
