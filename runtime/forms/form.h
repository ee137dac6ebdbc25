// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"
#include "runtime/forms/control.h"
#include "runtime/forms/menuitem.h"

#include <functional>
#include <initializer_list>
#include <memory>

class QWidget;

namespace runtime {

/// The design of a window: caption, inner (client) size in twips, background colour.
struct FormDesign {
    Text caption;  ///< The window's title.
    float width;   ///< The width of the client area in twips.
    float height;  ///< The height of the client area in twips.
    /// The colour of the client area; std::nullopt keeps the system's.
    std::optional<Colour> backColor = {};
};

/// A window. A subclass, named as its form, owns its controls as members, writes its
/// design once as a table and binds its handlers in one block.
///
/// show() loads the window the first time (Form_Load runs once per load) and shows it;
/// showing a window already on screen brings it to the front. hide() keeps it loaded
/// with its contents. The close box unloads it: its timers stop, Form_Terminate runs and
/// the object is done; a window that is wanted again is created afresh.
class RUNTIME_EXPORT Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    /// Shows the window and brings it to the front, first loading it when it is not
    /// loaded: Form_Load runs before the window appears. An unloaded window stays unloaded:
    /// show() does nothing.
    void show();
    /// Takes the window off the screen; it stays loaded with its contents.
    void hide();
    /// Unloads the window as the close box does, without running Form_Terminate: its
    /// timers stop and it leaves the screen for good. An unloaded window stays so.
    void unload();

    /// Whether show() has loaded the window and it has not been unloaded since.
    bool isLoaded() const;
    /// Whether the window has been unloaded: the object is done and shows no more.
    bool isUnloaded() const;
    /// Whether the window is on the screen.
    bool isVisible() const;

    /// The window's title, as its design gave it.
    Text caption() const;
    /// The width of the client area in twips, as its design gave it.
    float width() const;
    /// The height of the client area in twips, as its design gave it.
    float height() const;

    /// The toolkit window, for the runtime and tests.
    QWidget* window() const;

protected:
    /// An empty window; the subclass's constructor calls design() and binds its handlers.
    Form();

    /// Lays the window out from its design, once: the caption, the client area's size
    /// and colour, then each row of `controls` in order, above the rows before it. Names
    /// the controls for screen readers, chains the focus through those that take it in
    /// the order of their tab indices, and gives the first of them the focus. A row's
    /// picture that cannot be read raises error 481 (RuntimeError::InvalidPicture).
    void design(const FormDesign& form, std::initializer_list<Placement> controls);
    /// Builds the window's menu bar from its menu design, row by row: a level-1 row that
    /// level-2 rows follow opens a drop-down menu of them, one without is chosen on the
    /// bar itself; a level-2 row captioned "-" is a separator.
    void designMenu(std::initializer_list<MenuPlacement> items);

    /// Runs when show() loads the window, before it appears; once per load.
    virtual void Form_Load() {}
    /// Runs once the close box has unloaded the window; the object is done after it.
    virtual void Form_Terminate() {}

private:
    friend class FormWindow;
    void closedByUser();

    // Behind a pointer, so that what the runtime keeps of a window can change without
    // changing the size of the classes that programs derive from this one.
    struct State;
    std::unique_ptr<State> state_;
};

/// The one instance of a window that an application shows again and again: created on
/// first use, and created afresh after the close box has unloaded it. A window that needs
/// the objects it works with (the application's shared data) is made by a factory that
/// passes them: `SingleInstance<Editor> editor{[this] { return std::make_unique<Editor>(data); }};`
template <typename Window>
class SingleInstance {
public:
    /// Makes a new instance of the window.
    using Factory = std::function<std::unique_ptr<Window>()>;

    /// Makes each instance with the window's default constructor.
    SingleInstance() : create_([] { return std::make_unique<Window>(); }) {}
    /// Makes each instance with `create`.
    explicit SingleInstance(Factory create) : create_(std::move(create)) {}

    /// The instance, created first when there is none or the one there is has been
    /// unloaded; the unloaded one is deleted before its successor is made.
    Window& operator*()
    {
        if (!window_ || window_->isUnloaded()) {
            window_.reset();  // the unloaded window is gone before its successor loads
            window_ = create_();
        }
        return *window_;
    }
    /// The instance, created first as by operator*().
    Window* operator->() { return &**this; }

    /// The instance as it stands, without creating one; nullptr when there is none.
    Window* existing() const { return window_ && !window_->isUnloaded() ? window_.get() : nullptr; }

private:
    Factory create_;
    std::unique_ptr<Window> window_;
};

}  // namespace runtime
