// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// UserControl, the base of a control that a control library makes, and what its host
/// gives it.

#include "runtime/runtime_export.h"

#include "runtime/forms/canvas.h"
#include "runtime/forms/control.h"
#include "runtime/forms/design.h"


#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace runtime {

namespace components {
class Instance;
class ClassFactory;
struct ServerState;

/// Where a control sits: the host that gave it its extent and is asked to change it.
class RUNTIME_EXPORT Site {
public:
    virtual ~Site() = default;
    /// The control asks for the extent `width` by `height` in twips; the host gives it,
    /// or what it can, through Instance::setExtent.
    virtual void extentRequested(float width, float height) = 0;
};
}  // namespace components

/// The design of a control's surface: its inner size in twips and its background colour.
struct UserControlDesign {
    float width;                           ///< The inner width in twips.
    float height;                          ///< The inner height in twips.
    std::optional<Colour> backColor = {};  ///< The background; none: the host's.
};

/// What the host gives the controls it holds: its font and colours, and whether a program
/// is running (userMode) or a form designer is at work on the form, when a control should
/// do nothing drastic: start nothing that runs on its own, open no window, touch no file.
struct Ambient {
    Font font;             ///< The host's font.
    Colour foreColor;      ///< The host's text colour.
    Colour backColor;      ///< The host's background colour.
    bool userMode = true;  ///< False while a form designer holds the control.
};

/// The base of a control that a control library makes: a surface on which the control
/// places its own child controls from a design table, draws itself and takes the mouse and
/// the keys, and that a host window places by the control's class identifier. The host
/// gives the control its extent; every time it does, UserControl_Resize runs. Events go to
/// the host through runtime::Event members that the library's descriptor names, and are
/// handled before raise() returns.
///
/// The surface has its own events, handled by overriding the UserControl_ functions below;
/// the children raise theirs through their Event members (control.h), which the control
/// binds as a window binds its controls'. The surface's mouse events are those on the
/// surface between the children, its key events those that come while the surface itself
/// has the focus: it takes the focus when no child can. While the host has the control
/// disabled, the surface and its children are greyed and take no input.
///
/// A control has no border, so its inner size (scaleWidth, scaleHeight) is its extent.
class RUNTIME_EXPORT UserControl {
public:
    /// Takes the surface, and with it what is left of the children's widgets, away.
    virtual ~UserControl();
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    /// The extent the host gave the control, in twips; before it is hosted, the design size.
    float width() const;
    /// The height the host gave the control, in twips, as width() is.
    float height() const;
    /// Asks the host for another extent (a control that keeps a minimum size). The host
    /// gives it, which runs UserControl_Resize again before the setter returns.
    void setWidth(float width);
    /// Asks the host for another height, as setWidth() does.
    void setHeight(float height);

    /// The inner width in twips: the extent's, as the control has no border.
    float scaleWidth() const;
    /// The inner height in twips: the extent's.
    float scaleHeight() const;

    /// The smallest extent the control takes: a host that gives it less is asked for this
    /// instead. None (0 by 0) to begin with.
    void setMinimumSize(float width, float height);
    /// The smallest width the control takes, in twips.
    float minimumWidth() const;
    /// The smallest height the control takes, in twips.
    float minimumHeight() const;

    /// Asks for the control to be drawn again: UserControl_Paint runs once soon after,
    /// however often it was asked.
    void Refresh();
    /// False while the host has disabled the control.
    bool enabled() const;
    /// True while the surface itself has the keyboard focus.
    bool hasFocus() const;
    /// What the host gives the control now: its font, its colours, and whether a program
    /// is running.
    Ambient ambient() const;

    /// The surface, which the host puts into its window.
    QWidget* widget() const;

    /// The children by design name, in design order.
    const std::vector<std::pair<Text, Control*>>& children() const;
    /// The child of that design name; nullptr when none.
    Control* child(const Text& name) const;

protected:
    /// An empty surface; the derived control's constructor lays it out with design().
    UserControl();

    /// Lays the surface out once, from the constructor: its size and colour, and each
    /// child's placement row as a window's design table has it. The children take the
    /// focus in the order of their tab indexes.
    void design(const UserControlDesign& surface, std::initializer_list<Placement> children);

    /// Runs once the instance is made, before the host gives it an extent.
    virtual void UserControl_Initialize() {}
    /// Runs whenever the host sets or changes the extent.
    virtual void UserControl_Resize() {}

    /// Draws the surface, after its back colour and before its children. An error that
    /// escapes it is reported once, and the surface stays blank until Refresh.
    virtual void UserControl_Paint(Canvas& /*canvas*/) {}
    /// A button pressed or released (input.h), or the pointer moved with the buttons held
    /// down; the shift state, and the point in twips from the surface's top-left corner.
    virtual void UserControl_MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    /// The pointer moved over the surface, with `buttons` held down, as MouseDown.
    virtual void UserControl_MouseMove(std::int16_t /*buttons*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    /// A button released, after the press that the surface took, as MouseDown.
    virtual void UserControl_MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    /// The left button pressed and released on the surface.
    virtual void UserControl_Click() {}
    /// A double-click's second press on the surface.
    virtual void UserControl_DblClick() {}
    /// A key pressed and released (input.h); KeyPress comes after KeyDown for a key that
    /// types a character. Setting the code to 0 in KeyDown takes the key: KeyPress is left
    /// out. A key the control leaves (its code and character not set to 0) goes on to the
    /// host, as Enter goes to a dialog's default button.
    virtual void UserControl_KeyDown(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    /// A key released, as KeyDown.
    virtual void UserControl_KeyUp(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    /// The character a key typed; setting it to 0 takes the key, as KeyDown.
    virtual void UserControl_KeyPress(std::int16_t& /*character*/) {}
    /// The surface itself took the focus.
    virtual void UserControl_GotFocus() {}
    /// The surface itself lost the focus.
    virtual void UserControl_LostFocus() {}
    /// The focus came into the control, to the surface or a child: after the GotFocus of
    /// what took it.
    virtual void UserControl_EnterFocus() {}
    /// The focus left the control, the surface and every child: after the LostFocus of
    /// what lost it.
    virtual void UserControl_ExitFocus() {}
    /// Something of ambient() changed.
    virtual void UserControl_AmbientChanged() {}

private:
    friend class components::Instance;
    friend class components::ClassFactory;
    class Surface;

    void initialize();
    void setUserMode(bool userMode);
    void applyExtent(float width, float height);
    void requestExtent(float width, float height);
    QWidget* firstFocusChild() const;

    void setSite(components::Site* site);
    void attachServer(components::ServerState& server);

    // Behind a pointer, so that what the runtime keeps of a control can change without
    // changing the size of the classes that control libraries derive from this one.
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace runtime
