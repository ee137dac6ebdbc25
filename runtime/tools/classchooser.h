// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace runtime::tools {

// The window of `controls try` without a class identifier: every control class a host
// would create, sorted by class identifier, each listed as "identifier: description" in
// `classes`. "Try", Enter or a double-click on a class hands its identifier to `open`,
// then closes the window; "Close" or Escape closes it without. The classes whose library
// a host would refuse, and the catalogues that cannot be read, are listed with the reason
// in `leftout`; `status` says when there is nothing to try, and why a chosen control
// could not be opened, in which case the window stays.
class ClassChooser : public Form {
public:
    // Opens the try-out window for the class; throws RuntimeError when it cannot.
    using Open = std::function<void(const Text& classIdentifier)>;

    explicit ClassChooser(Open open);

    // The controls are public, as every form's controls are, so that tests can drive them.
    Label classeslabel;
    ListBox classes;
    Label status;
    Label leftoutlabel;
    ListBox leftout;
    Button choose;
    Button close;

private:
    class Keys;

    void Form_Load() override;
    void classes_Click();
    void classes_DblClick();
    void choose_Click();
    void close_Click();

    Open open_;
    // The class identifier of each row of `classes`.
    std::vector<Text> identifiers_;
    std::unique_ptr<QObject> keys_;
};

// Shows the chooser and runs until the last window is closed: the chooser, or the
// try-out window of the control chosen in it, whose log goes through `out`. Returns 0.
int chooseAndTryControl(const std::function<void(const Text&)>& out);

}  // namespace runtime::tools
