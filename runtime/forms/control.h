// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/design.h"
#include "runtime/forms/event.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QKeyEvent;

namespace runtime {

/// What every control of a window has: a place in twips, enabled and visible flags,
/// colours, the keyboard focus, and the events of the mouse, the keys and the focus. A
/// control reports back exactly the twips it was given; only its widget is rounded to
/// whole pixels.
///
/// The mouse and key events are raised before the control itself sees what the user did,
/// and only while it is enabled:
///
///     MouseDown, MouseUp   the button (input.h), the shift state and the point in twips
///                          from the control's top-left corner
///     MouseMove            the buttons held down, the shift state and the point
///     KeyDown, KeyUp       the key code and the shift state; a handler that sets the code
///                          to 0 discards the key: the control never sees it
///     KeyPress             after KeyDown, for a key that types a character: its code, which
///                          the handler may set to 0 to discard the key or to another code
///                          to type that instead
///     GotFocus, LostFocus  the control took or lost the keyboard focus
///
/// A press and a release of a button inside a label or a picture raise its Click.
class RUNTIME_EXPORT Control {
public:
    /// Deletes the control's widget, and with it any widgets inside it.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    /// Twips from the left edge of the window's client area, or of the frame it lies in.
    float left() const { return left_; }
    /// Twips from the top edge of the window's client area, or of the frame it lies in.
    float top() const { return top_; }
    /// The width in twips.
    float width() const { return width_; }
    /// The height in twips.
    float height() const { return height_; }
    /// Moves the control to `left` twips, as move() would.
    void setLeft(float left);
    /// Moves the control to `top` twips, as move() would.
    void setTop(float top);
    /// Makes the control `width` twips wide, as move() would.
    void setWidth(float width);
    /// Makes the control `height` twips tall, as move() would.
    void setHeight(float height);
    /// Places the control and sizes it, all in twips, then runs moved().
    void move(float left, float top, float width, float height);

    /// Whether the control takes the user's mouse and keys; true for a control that is
    /// never shown.
    bool enabled() const;
    /// A disabled control is drawn greyed and raises none of its mouse and key events.
    void setEnabled(bool enabled);
    /// Whether the control is shown while its window is; false for a control that is
    /// never shown.
    bool visible() const;
    /// Shows or hides the control; a hidden one keeps its place and contents.
    void setVisible(bool visible);

    /// Gives the control the keyboard focus of its window.
    void setFocus();
    /// Whether the control has its window's keyboard focus, even while another window
    /// is active.
    bool hasFocus() const;

    /// The colour of the control's text. A frame keeps its colours and font to its own
    /// caption and border (frame.h).
    virtual Colour foreColor() const;
    /// Draws the control's text in `colour`.
    virtual void setForeColor(Colour colour);
    /// The colour of the control's background.
    virtual Colour backColor() const;
    /// Fills the control's background with `colour`.
    virtual void setBackColor(Colour colour);
    /// Draws the control's text in `font`.
    virtual void setFont(const Font& font);
    /// Shows `toolTip` while the pointer rests on the control; the empty text shows none.
    void setToolTip(const Text& toolTip);

    /// The control's place in its window's tab order, as its design gave it; -1 for none.
    int tabIndex() const { return tabIndex_; }

    /// What the control reads as for someone looking at it: a text box's text, a label's
    /// or a button's caption; the empty text for a control that shows none.
    virtual Text shownText() const { return {}; }

    /// The toolkit widget behind the control (nullptr for a control that is never shown).
    QWidget* widget() const { return widget_.data(); }

    /// A mouse button went down over the control: the button (MouseButton), the shift
    /// state (ShiftState), and x and y in twips from the control's top-left corner.
    Event<std::int16_t, std::int16_t, float, float> MouseDown;
    /// The pointer moved while a button pressed on the control was held, inside the
    /// control or out: the buttons held down (MouseButton, added up), the shift state, x
    /// and y.
    Event<std::int16_t, std::int16_t, float, float> MouseMove;
    /// A mouse button pressed on the control went up: the button, the shift state, x and
    /// y, which lie outside the control when the pointer has left it.
    Event<std::int16_t, std::int16_t, float, float> MouseUp;
    /// A key went down while the control had the focus: its code (KeyCode) and the shift
    /// state. Setting the code to 0 discards the key, which then raises no KeyPress.
    Event<std::int16_t&, std::int16_t> KeyDown;
    /// A key came up while the control had the focus: its code (KeyCode) and the shift
    /// state. Setting the code to 0 keeps the release from the control.
    Event<std::int16_t&, std::int16_t> KeyUp;
    /// A key typed a character: its character code, which the handler may set to 0 to
    /// discard the key or to another code to type that instead.
    Event<std::int16_t&> KeyPress;
    /// The control took the keyboard focus.
    Event<> GotFocus;
    /// The control lost the keyboard focus.
    Event<> LostFocus;

protected:
    /// Makes a control of `widget`, which it owns from then on, and raises the control's
    /// mouse, key and focus events from what the widget receives. A control that is never
    /// shown (a timer) passes nullptr.
    explicit Control(QWidget* widget);

    /// Hands an event to the widget without raising the control's events for it again.
    void deliverUnraised(QEvent& event);

    /// Runs after every move() or size change, once the widget has its new geometry: a
    /// hosted component control hands its new extent on to the control inside it.
    virtual void moved() {}

private:
    friend class Form;
    friend class DesignSurface;
    class Input;
    void attachInput();

    // Raises KeyPress for a key that types a character. True when the key has been dealt
    // with and the widget must not see it; a text box enters what the handler left itself.
    virtual bool characterKey(const QKeyEvent& event);
    // A press and a release of the left button inside the control, and a double-click.
    virtual void mouseClicked() {}
    virtual void mouseDoubleClicked() {}
    virtual void setDesignCaption(const Text&) {}
    virtual void setDesignAlignment(Alignment) {}
    virtual void applyDesignAttributes(const Attributes&) {}
    // The window is being unloaded: stop whatever runs on its own.
    virtual void unload() {}
    void applyGeometry();

    // Owned; a QPointer because a frame deletes the widgets inside it with its own.
    QPointer<QWidget> widget_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    int tabIndex_ = -1;
    bool deliveringUnraised_ = false;
};

}  // namespace runtime
