#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"
#include "runtime/forms/event.h"

class QAction;

namespace runtime {

// One entry of a window's menu bar: a bar item, a drop-down entry or a separator ("-").
// "&" in the caption marks the access key. Click is raised when the user chooses it.
class RUNTIME_EXPORT MenuItem {
public:
    MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    Text caption() const;
    Text shortcut() const;
    bool enabled() const;
    void setEnabled(bool enabled);
    bool visible() const;
    void setVisible(bool visible);
    bool isSeparator() const;

    // Chooses the item as the user would, raising Click when it is enabled.
    void choose();

    QAction* action() const { return action_; }

    Event<> Click;

private:
    friend class Form;
    QAction* action_ = nullptr;  // owned by the window's menu bar
};

// One row of a window's menu design: level 1 is on the bar, level 2 in the drop-down
// menu of the level-1 row above it.
struct MenuPlacement {
    MenuItem* item;
    int level;
    Text caption;
    Text shortcut = {};
    bool visible = true;
};

}  // namespace runtime
