// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Instance: a host's handle on one live control made by a control library.

#include "runtime/runtime_export.h"

#include "runtime/components/typeinfo.h"
#include "runtime/components/usercontrol.h"

#include <functional>
#include <memory>

class QWidget;

namespace runtime::components {

class LoadedLibrary;

/// What a call by member identifier does with its member.
enum class CallKind {
    Method,       ///< Calls a method.
    PropertyGet,  ///< Reads a property.
    PropertyPut   ///< Writes a property: the one argument is the value.
};

/// The outcome of a call by member identifier: the result, or an error number and text.
struct CallResult {
    Variant value;   ///< The method's result or the property's value; Empty for none.
    int error = 0;   ///< A RuntimeError::Number; 0 when the call succeeded.
    Text errorText;  ///< What the error says.

    /// True when the call succeeded.
    bool ok() const { return error == 0; }
};

/// A host's handle on one live control made by a control library: calls by member
/// identifier, events, the extent. The handle outlives the control: once destroy() has
/// run, every call returns an error instead of reaching freed memory. It keeps its
/// library loaded for as long as it lives.
class RUNTIME_EXPORT Instance {
public:
    /// Takes `control`, of the class `type` of `descriptor`'s library, and binds each of
    /// its events to the event handler; `library` keeps the library's code loaded. The
    /// runtime makes instances: a host asks HostedControl for one.
    Instance(std::shared_ptr<LoadedLibrary> library, const LibraryDescriptor& descriptor, const ClassDescriptor& type,
             std::unique_ptr<UserControl> control);
    /// Destroys the control, then lets the library go.
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    /// The class identifier, "tesk.phonectrl".
    Text classIdentifier() const;
    /// The type information of the class, as the library describes it.
    const ClassInfo& typeInfo() const { return typeInfo_; }

    /// False once the control has been destroyed.
    bool isAlive() const { return control_ != nullptr; }
    /// The control itself; nullptr once destroyed.
    UserControl* control() const { return control_.get(); }
    /// The control's surface, which the host puts into its window; nullptr once destroyed.
    QWidget* widget() const;

    /// Calls a method, reads or writes a property (the value is the one argument) of the
    /// default interface by member identifier. Never throws: an unknown identifier, the
    /// wrong kind of member, the wrong number or kinds of arguments, a destroyed control,
    /// a call from another thread and an error raised by the control come back as errors.
    /// Arguments passed by reference hold what the control wrote into them.
    CallResult invoke(MemberId id, CallKind kind, Arguments& arguments);

    /// Receives every event of the control, synchronously, while the control raises it.
    using EventHandler = std::function<void(const MemberInfo& event, Arguments& arguments)>;
    /// Makes `handler` the one that receives the control's events.
    void setEventHandler(EventHandler handler) { eventHandler_ = std::move(handler); }

    /// The host that gives the control its extent (nullptr: none).
    void setSite(Site* site);
    /// Gives the control a new extent in twips, which runs its UserControl_Resize.
    void setExtent(float width, float height);
    /// The widget that takes the focus when the host gives the control the focus.
    QWidget* focusWidget() const;
    /// False while a form designer holds the control (runtime::Ambient::userMode).
    void setUserMode(bool userMode);

    /// What the control's library answers through DllCanUnloadNow: Ok when nothing of it
    /// is in use any more (this handle keeps it loaded, but holds nothing once destroyed).
    int libraryCanUnloadNow() const;

    /// Destroys the control now; the handle stays, and reports the control as gone.
    void destroy();

private:
    void deliver(const Member& event, Arguments& arguments);

    std::shared_ptr<LoadedLibrary> library_;  // outlives the control, whose code it holds
    const ClassDescriptor& type_;
    ClassInfo typeInfo_;
    std::unique_ptr<UserControl> control_;
    EventHandler eventHandler_;
};

}  // namespace runtime::components
