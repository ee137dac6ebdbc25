// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/components/instance.h"

#include <QWidget>

#include <memory>

namespace runtime::components {

// A control made by a control library as a plain widget, for widget trees that are no
// window of the runtime's: a form designer's surface, a form loaded from its description.
// The widget is the control's site: its size is the control's extent, so resizing it runs
// the control's layout, and an extent the control asks for resizes it. It starts at the
// control's design size, which is also its size hint, and hands the focus to the
// control's first child in tab order.
class RUNTIME_PRIVATE_EXPORT ControlWidget : public QWidget, private Site {
    Q_OBJECT

public:
    // Creates the control as createInstance does, and raises the RuntimeError it raises.
    explicit ControlWidget(const Text& classIdentifier, QWidget* parent = nullptr);
    ~ControlWidget() override;

    // The live control, to call its members and receive its events.
    Instance& instance() const { return *instance_; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void extentRequested(float width, float height) override;

    std::shared_ptr<Instance> instance_;
    QSize designSize_;
    bool toldExtent_ = false;
};

}  // namespace runtime::components
