#pragma once

#include "runtime/forms/control.h"
#include "runtime/forms/design.h"

#include <QPointer>

#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

namespace runtime {

namespace components {
class Instance;
class ClassFactory;
struct ServerState;

// Where a control sits: the host that gave it its extent and is asked to change it.
class Site {
public:
    virtual ~Site() = default;
    virtual void extentRequested(float width, float height) = 0;
};
}  // namespace components

// The design of a control's surface: its inner size in twips and its background colour.
struct UserControlDesign {
    float width;
    float height;
    std::optional<Colour> backColor = {};
};

// The base of a control that a control library makes: a surface on which the control
// places its own child controls from a design table, and that a host window places by
// the control's class identifier. The host gives the control its extent; every time it
// does, UserControl_Resize runs. Events go to the host through runtime::Event members
// that the library's descriptor names, and are handled before raise() returns.
//
// A control has no border, so its inner size (scaleWidth, scaleHeight) is its extent.
class UserControl {
public:
    virtual ~UserControl();
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    // The extent the host gave the control, in twips; before it is hosted, the design size.
    float width() const { return width_; }
    float height() const { return height_; }
    // Asks the host for another extent (a control that keeps a minimum size). The host
    // gives it, which runs UserControl_Resize again before the setter returns.
    void setWidth(float width);
    void setHeight(float height);

    float scaleWidth() const { return width_; }
    float scaleHeight() const { return height_; }

    // The surface, which the host puts into its window.
    QWidget* widget() const { return surface_.data(); }

    // The children by design name, in design order.
    const std::vector<std::pair<Text, Control*>>& children() const { return children_; }
    Control* child(const Text& name) const;

protected:
    UserControl();

    void design(const UserControlDesign& surface, std::initializer_list<Placement> children);

    // Runs once the instance is made, before the host gives it an extent.
    virtual void UserControl_Initialize() {}
    // Runs whenever the host sets or changes the extent.
    virtual void UserControl_Resize() {}

private:
    friend class components::Instance;
    friend class components::ClassFactory;

    void initialize();
    void applyExtent(float width, float height);
    void requestExtent(float width, float height);
    QWidget* firstFocusChild() const;

    QPointer<QWidget> surface_;
    std::vector<std::pair<Text, Control*>> children_;
    float width_ = 0;
    float height_ = 0;
    components::Site* site_ = nullptr;
    components::ServerState* server_ = nullptr;  // counts the library's live objects
};

}  // namespace runtime
