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

// The design of a window: caption, inner (client) size in twips, background colour.
struct FormDesign {
    Text caption;
    float width;
    float height;
    std::optional<Colour> backColor = {};
};

// A window. A subclass, named as its form, owns its controls as members, writes its
// design once as a table and binds its handlers in one block.
//
// show() loads the window the first time (Form_Load runs once per load) and shows it;
// showing a window already on screen brings it to the front. hide() keeps it loaded
// with its contents. The close box unloads it: its timers stop, Form_Terminate runs and
// the object is done; a window that is wanted again is created afresh.
class RUNTIME_EXPORT Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void show();
    void hide();
    void unload();

    bool isLoaded() const { return loaded_; }
    bool isUnloaded() const { return unloaded_; }
    bool isVisible() const;

    Text caption() const;
    float width() const { return width_; }
    float height() const { return height_; }

    // The toolkit window, for the runtime and tests.
    QWidget* window() const;

protected:
    Form();

    void design(const FormDesign& form, std::initializer_list<Placement> controls);
    void designMenu(std::initializer_list<MenuPlacement> items);

    virtual void Form_Load() {}
    virtual void Form_Terminate() {}

private:
    friend class FormWindow;
    void closedByUser();

    struct Window;
    std::unique_ptr<Window> window_;
    std::vector<Control*> controls_;
    float width_ = 0;
    float height_ = 0;
    bool loaded_ = false;
    bool unloaded_ = false;
};

// The one instance of a window that an application shows again and again: created on
// first use, and created afresh after the close box has unloaded it. A window that needs
// the objects it works with (the application's shared data) is made by a factory that
// passes them: SingleInstance<Editor> editor{[this] { return std::make_unique<Editor>(data); }};
template <typename Window>
class SingleInstance {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    SingleInstance() : create_([] { return std::make_unique<Window>(); }) {}
    explicit SingleInstance(Factory create) : create_(std::move(create)) {}

    Window& operator*()
    {
        if (!window_ || window_->isUnloaded()) {
            window_.reset();  // the unloaded window is gone before its successor loads
            window_ = create_();
        }
        return *window_;
    }
    Window* operator->() { return &**this; }

    // The instance as it stands, without creating one; nullptr when there is none.
    Window* existing() const { return window_ && !window_->isUnloaded() ? window_.get() : nullptr; }

private:
    Factory create_;
    std::unique_ptr<Window> window_;
};

}  // namespace runtime
