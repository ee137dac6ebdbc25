// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// HostedControl: a window's control made by a control library.

#include "runtime/runtime_export.h"

#include "runtime/components/instance.h"
#include "runtime/forms/control.h"

#include <functional>
#include <map>
#include <memory>

namespace runtime {

/// A control of a window made by a control library: the window's design names it by class
/// identifier and places it like any control,
///
///     runtime::HostedControl phonectrl1{"tesk.phonectrl"};
///     design({...}, { {&phonectrl1, "", 0, 0, 4845, 975, 2}, ... });
///     phonectrl1.bind(phonectrlmember::clicked, this, &PhoneTest::phonectrl1_clicked);
///
/// The control is created when the member is: the runtime finds the class in the user's
/// catalogue, loads its library and asks it for an instance. When that fails, one message
/// box names the class identifier and says how to register it, and the program ends
/// with status 1 before any window shows. Each extent the window gives the control runs
/// the control's layout; the control's events reach the bound handlers synchronously,
/// while the control raises them; members are called late and events bound, by member
/// identifier, as the library's header of member identifiers declares them.
class RUNTIME_EXPORT HostedControl : public Control, private components::Site {
public:
    /// Creates the control of the class `classIdentifier` ("tesk.phonectrl").
    explicit HostedControl(const Text& classIdentifier);
    /// Destroys the control; its events reach no handler from then on.
    ~HostedControl() override;

    /// Calls a method, reads or writes a property by member identifier. A failed call
    /// (unknown member, wrong arguments, a destroyed control, an error in the control)
    /// raises a RuntimeError, which the handler that made the call reports.
    Variant call(MemberId method, Arguments arguments = {});
    /// Reads a property, failing as call() does.
    Variant get(MemberId property);
    /// Writes a property, failing as call() does.
    void put(MemberId property, const Variant& value);

    /// Binds the handler of the control's event with that member identifier (in its event
    /// interface). A handler with an Arguments& parameter receives the event's arguments
    /// and may change those passed by reference. An identifier that is no event of the
    /// control ends the program with one message, as a control that cannot be created does.
    template <typename Owner>
    void bind(MemberId event, Owner* owner, void (Owner::*handler)())
    {
        bindEvent(event, [owner, handler](Arguments&) { (owner->*handler)(); });
    }
    /// Binds a handler that receives the event's arguments, as above.
    template <typename Owner>
    void bind(MemberId event, Owner* owner, void (Owner::*handler)(Arguments&))
    {
        bindEvent(event, [owner, handler](Arguments& arguments) { (owner->*handler)(arguments); });
    }

    /// The live control, for test containers and tools.
    components::Instance& instance() const { return *instance_; }

private:
    void bindEvent(MemberId event, std::function<void(Arguments&)> handler);
    void moved() override;
    void extentRequested(float width, float height) override;

    std::shared_ptr<components::Instance> instance_;
    std::map<MemberId, std::function<void(Arguments&)>> handlers_;
    bool placed_ = false;
    bool toldExtent_ = false;
};

}  // namespace runtime
