// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"
#include "runtime/forms/event.h"

class QAction;

namespace runtime {

/// One entry of a window's menu bar: a bar item, a drop-down entry or a separator ("-").
/// "&" in the caption marks the access key. Click is raised when the user chooses it.
///
/// The item is a member of its window, placed by the window's Form::designMenu(); every
/// member but Click needs it placed.
class RUNTIME_EXPORT MenuItem {
public:
    /// An item that the window's menu design has yet to place.
    MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    /// The caption as the design gave it, "&" included.
    Text caption() const;
    /// The shortcut as the design gave it, such as "Ctrl+S"; the empty text for none.
    Text shortcut() const;
    /// Whether the user can choose the item; a placed item is enabled.
    bool enabled() const;
    /// A disabled item is greyed, and neither the user nor choose() can choose it.
    void setEnabled(bool enabled);
    /// Whether the item is on its menu, as the design or setVisible() left it.
    bool visible() const;
    /// Puts the item on its menu or takes it off; a hidden item's shortcut does nothing.
    void setVisible(bool visible);
    /// Whether the item is a separator line ("-").
    bool isSeparator() const;

    /// Chooses the item as the user would, raising Click when it is enabled.
    void choose();

    /// The toolkit action behind the item (nullptr until it is placed), for the runtime
    /// and tests.
    QAction* action() const { return action_; }

    /// The user chose the item by the mouse, its access key or its shortcut, or choose() did.
    Event<> Click;

private:
    friend class Form;
    QAction* action_ = nullptr;  // owned by the window's menu bar
};

/// One row of a window's menu design: level 1 is on the bar, level 2 in the drop-down
/// menu of the level-1 row above it.
struct MenuPlacement {
    MenuItem* item;  ///< The window's member that the row places.
    int level;       ///< 1 on the bar, 2 in the drop-down menu of the level-1 row above.
    /// The caption: "&" before a letter marks the access key; "-" on level 2 is a separator.
    Text caption;
    /// A shortcut that chooses the item from anywhere in the window, such as "Ctrl+S";
    /// the empty text for none.
    Text shortcut = {};
    bool visible = true;  ///< Whether the item is on its menu at first.
};

}  // namespace runtime
