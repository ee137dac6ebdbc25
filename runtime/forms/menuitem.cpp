// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/menuitem.h"

#include <QAction>

namespace runtime {

Text MenuItem::caption() const { return action_->text(); }
Text MenuItem::shortcut() const { return action_->shortcut().toString(); }
bool MenuItem::enabled() const { return action_->isEnabled(); }
void MenuItem::setEnabled(bool enabled) { action_->setEnabled(enabled); }
bool MenuItem::visible() const { return action_->isVisible(); }
void MenuItem::setVisible(bool visible) { action_->setVisible(visible); }
bool MenuItem::isSeparator() const { return action_->isSeparator(); }

void MenuItem::choose()
{
    if (action_->isEnabled())
        action_->trigger();
}

}  // namespace runtime
