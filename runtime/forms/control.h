#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/design.h"
#include "runtime/forms/event.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QKeyEvent;

namespace runtime {

// What every control of a window has: a place in twips, enabled and visible flags,
// colours, the keyboard focus, and the events of the mouse, the keys and the focus. A
// control reports back exactly the twips it was given; only its widget is rounded to
// whole pixels.
//
// The mouse and key events are raised before the control itself sees what the user did,
// and only while it is enabled:
//   MouseDown, MouseUp   the button (input.h), the shift state and the point in twips
//                        from the control's top-left corner
//   MouseMove            the buttons held down, the shift state and the point
//   KeyDown, KeyUp       the key code and the shift state; a handler that sets the code
//                        to 0 discards the key: the control never sees it
//   KeyPress             after KeyDown, for a key that types a character: its code, which
//                        the handler may set to 0 to discard the key or to another code
//                        to type that instead
//   GotFocus, LostFocus  the control took or lost the keyboard focus
// A press and a release of a button inside a label or a picture raise its Click.
class RUNTIME_EXPORT Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void move(float left, float top, float width, float height);

    bool enabled() const;
    void setEnabled(bool enabled);
    bool visible() const;
    void setVisible(bool visible);

    void setFocus();
    bool hasFocus() const;

    // A frame keeps its colours and font to its own caption and border (frame.h).
    virtual Colour foreColor() const;
    virtual void setForeColor(Colour colour);
    virtual Colour backColor() const;
    virtual void setBackColor(Colour colour);
    virtual void setFont(const Font& font);
    void setToolTip(const Text& toolTip);

    int tabIndex() const { return tabIndex_; }

    // What the control reads as for someone looking at it: a text box's text, a label's
    // or a button's caption; the empty text for a control that shows none.
    virtual Text shownText() const { return {}; }

    // The toolkit widget behind the control (nullptr for a control that is never shown).
    QWidget* widget() const { return widget_.data(); }

    Event<std::int16_t, std::int16_t, float, float> MouseDown;
    Event<std::int16_t, std::int16_t, float, float> MouseMove;
    Event<std::int16_t, std::int16_t, float, float> MouseUp;
    Event<std::int16_t&, std::int16_t> KeyDown;
    Event<std::int16_t&, std::int16_t> KeyUp;
    Event<std::int16_t&> KeyPress;
    Event<> GotFocus;
    Event<> LostFocus;

protected:
    explicit Control(QWidget* widget);

    // Hands an event to the widget without raising the control's events for it again.
    void deliverUnraised(QEvent& event);

    // Runs after every move() or size change, once the widget has its new geometry: a
    // hosted component control hands its new extent on to the control inside it.
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
