// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/instance.h"
#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/frame.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/textbox.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace runtime::tools {

// The try-out window of `controls try <class identifier>`: the test container a control's
// writer opens to use the control by hand, as a host would.
//
// The control sits in `stage` at its design size; `extentwidth`, `extentheight` and
// "Resize" give it another extent in twips, which runs its layout. `members` lists the
// members of its type information with their member identifiers: the default interface
// first, then the events. Choosing a method or property and pressing "Call" (a method)
// or "Read" (a property), or Enter in `arguments`, makes the call by member identifier
// with the arguments typed as in a script of the tool: "text" (a quote doubled inside),
// 12 (Long), 12% (Short), 1.5 (Double), True, False, Empty, separated by commas or
// blanks; "Write" writes a property that can be written. The log shows each call with
// what it returned or the error it raised, each argument the control changed, and each
// event with its arguments at the moment the control raises it, so an event raised
// during a call comes before that call's result.
class TryOut : public Form, private components::Site {
public:
    // Prints every line of the log as it is added as well (the tool's standard output).
    using Echo = std::function<void(const Text& line)>;

    explicit TryOut(std::shared_ptr<components::Instance> instance, Echo echo = {});
    ~TryOut() override;

    const components::Instance& instance() const { return *instance_; }

    // The controls are public, as every form's controls are, so that tests can drive them.
    Label classname;
    Frame stage;
    Label extentlabel;
    TextBox extentwidth;
    TextBox extentheight;
    Button resize;
    Label memberslabel;
    ListBox members;
    Label signature;
    Label argumentslabel;
    TextBox arguments;
    Button invoke;
    Button write;
    Label loglabel;
    ListBox log;

private:
    void Form_Load() override;
    void members_Click();
    void members_DblClick();
    void arguments_KeyPress(std::int16_t& KeyAscii);
    void invoke_Click();
    void write_Click();
    void resize_Click();
    void control_Event(const components::MemberInfo& event, Arguments& values);

    void extentRequested(float width, float height) override;
    void showExtent();
    void enableButtons();
    const components::MemberInfo* chosenMember() const;
    void call(components::CallKind kind);
    void addToLog(const Text& line);

    std::shared_ptr<components::Instance> instance_;
    Echo echo_;
    // Holds the control's surface inside `stage`: the control places its surface at the
    // top left of whatever holds it.
    QWidget* holder_ = nullptr;
    // The members as `members` lists them, row by row.
    std::vector<const components::MemberInfo*> memberRows_;
};

// The try-out window on a new control of the class, shown, echoing each line of its log
// through `out` (standard output, flushed line by line). Throws RuntimeError when the
// control cannot be created.
std::unique_ptr<TryOut> openTryOut(const Text& classIdentifier, const std::function<void(const Text&)>& out);

// Opens the try-out window on a new control of the class and runs until it is closed.
// Returns 0, or 1 after reporting through `error` why the control could not be created.
int tryControl(const Text& classIdentifier, const std::function<void(const Text&)>& out,
               const std::function<void(const Text&)>& error);

}  // namespace runtime::tools
