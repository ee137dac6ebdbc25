#pragma once

#include "runtime/forms/design.h"

#include <QPointer>
#include <QWidget>

namespace runtime {

// What every control of a window has: a place in twips, enabled and visible flags,
// colours and the keyboard focus. A control reports back exactly the twips it was given;
// only its widget is rounded to whole pixels.
class Control {
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

protected:
    explicit Control(QWidget* widget);

    // Runs after every move() or size change, once the widget has its new geometry: a
    // hosted component control hands its new extent on to the control inside it.
    virtual void moved() {}

private:
    friend class Form;
    friend class DesignSurface;
    virtual void setDesignCaption(const Text&) {}
    virtual void setDesignAlignment(Alignment) {}
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
};

}  // namespace runtime
