// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// The static descriptor a control library hands to the runtime's generic server with
/// every call of its four entry points: the library, its classes, their interfaces and
/// members with member identifiers, and how to make an instance. It is plain constant
/// data in the library; binding.h makes the member entries from member functions.
///
/// And the type information made of it, which the catalogue keeps and the tools show.

#include "runtime/runtime_export.h"

#include "runtime/components/variant.h"

#include <QJsonObject>
#include <QUuid>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace runtime {
class UserControl;
}

/// The component system: how a control library describes its controls to the runtime
/// (descriptors, whose member entries binding.h makes), the generic server its four entry
/// points hand their calls to, the version block a host reads before loading it, and a
/// host's handle on a live control.
namespace runtime::components {

/// What a member of an interface is.
enum class MemberKind {
    Method,    ///< A function the host calls.
    Property,  ///< A value the host reads, and writes unless it is read-only.
    Event      ///< A notification the control raises to the host.
};

/// One parameter of a method or an event.
struct Parameter {
    ValueType type;    ///< The parameter's kind.
    bool byReference;  ///< the callee may change the caller's value
};

/// Calls a method or reads a property; the arguments have the member's parameter types.
using Invoker = Variant (*)(UserControl& control, Arguments& arguments);
/// Writes a property.
using Setter = void (*)(UserControl& control, const Variant& value);
/// Receives an event with its arguments; a handler may change a by-reference argument.
using EventSink = std::function<void(Arguments& arguments)>;
/// Hands every raise of one event of the control to `sink`.
using Connector = void (*)(UserControl& control, EventSink sink);
/// The value a design-time property starts with, of its kind, in the order of ValueType (a
/// text in UTF-8); none (std::monostate) for every other member.
using DesignDefault = std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, const char*>;

/// One member of an interface: its name, identifier and kind, its result and parameters,
/// and the code that reaches the control's own function. binding.h makes one from a
/// member function or an Event member of the control.
struct Member {
    const char* name;                       ///< The member's name, a C identifier.
    MemberId id;                            ///< The member identifier hosts call it by.
    MemberKind kind;                        ///< Method, property or event.
    ValueType result;                       ///< Empty: none
    std::span<const Parameter> parameters;  ///< A method's parameters, an event's arguments.
    const char* parameterNames;             ///< comma separated, as the type information shows them
    const char* description;                ///< One line for the tools and the designer to show.
    Invoker invoke = nullptr;               ///< methods and property reads
    Setter put = nullptr;                   ///< property writes; nullptr for a read-only property
    Connector connect = nullptr;            ///< events
    /// A design-time property: a read-write property that a form designer shows and a form
    /// keeps, with the value the control's constructor gives it. A form leaves out a value
    /// equal to it, so registration checks that a new instance starts with it.
    DesignDefault designDefault = {};
};

/// How an interface may be reached, as its flags combine them.
enum InterfaceFlag : unsigned {
    Dual = 1,          ///< callable directly and by member identifier
    Hidden = 2,        ///< hidden from browsing
    DispatchOnly = 4,  ///< reachable by member identifier only
};

/// An interface of a class: its default interface (methods and properties) or its event
/// interface (events).
struct Interface {
    const char* name;                 ///< The interface's name, a C identifier.
    const char* id;                   ///< "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
    unsigned flags;                   ///< InterfaceFlag values, or-ed together.
    std::span<const Member> members;  ///< Its members, each identifier once.
};

/// Each instance is created and used on one thread, the window thread of its host.
enum class ThreadingModel {
    Apartment  ///< The only model: the window thread alone touches the control.
};

/// The control's picture in a host's tool palette: 15 rows of 16 pixels, each pixel a
/// hexadecimal digit naming one of the 16 standard colours (0 black ... f white).
inline constexpr int pictureWidth = 16;
/// The number of rows of a ToolboxPicture (see pictureWidth).
inline constexpr int pictureHeight = 15;
/// A toolbox picture, one text of pictureWidth digits a row (see pictureWidth).
using ToolboxPicture = std::array<const char*, pictureHeight>;

/// One class of a control library.
struct ClassDescriptor {
    const char* name;            ///< "phonectrl"; the class identifier is library.name
    const char* id;              ///< The class's own unique identifier, "{xxxxxxxx-...}".
    bool control;                ///< True for a control, which a window places.
    Interface defaultInterface;  ///< Its methods and properties.
    Interface eventInterface;    ///< Its events.
    ThreadingModel threading;    ///< Which thread may use an instance.
    ToolboxPicture picture;      ///< Its picture in a host's tool palette.
    UserControl* (*create)();    ///< Makes a new instance: binding.h's create<Class>.
};

/// The version of the component system this runtime speaks; a library built for a newer
/// one is refused before it is loaded.
inline constexpr int componentVersion = 1;

/// A control library as the runtime sees it: what its entry points hand to the server.
struct LibraryDescriptor {
    const char* name;         ///< "tesk"
    const char* id;           ///< The library's unique identifier, "{xxxxxxxx-...}".
    const char* description;  ///< One line for the catalogue and the tools.
    /// The runtime's component version the library was built for: that of the headers it
    /// is compiled with, unless the descriptor names another.
    int runtimeVersion = componentVersion;
    std::span<const ClassDescriptor* const> classes;  ///< Its classes, at least one.
};

/// Type information as the catalogue keeps it and the tools show it: the descriptor's
/// content as owned values, without the code pointers. This is one parameter's.
struct ParameterInfo {
    Text name;                          ///< Its name, from the member's parameter names ("arg1" without).
    ValueType type = ValueType::Empty;  ///< Its kind.
    bool byReference = false;           ///< True when the callee may change the caller's value.
};

/// One member's type information (see ParameterInfo).
struct MemberInfo {
    Text name;                              ///< Its name.
    MemberId id = 0;                        ///< Its member identifier.
    MemberKind kind = MemberKind::Method;   ///< Method, property or event.
    bool readOnly = false;                  ///< properties
    ValueType result = ValueType::Empty;    ///< Its result or its property's kind; Empty: none.
    std::vector<ParameterInfo> parameters;  ///< Its parameters, in order.
    Text description;                       ///< Its line of description.
    std::optional<Variant> designDefault;   ///< design-time properties: what the control starts with
};

/// One interface's type information (see ParameterInfo).
struct InterfaceInfo {
    Text name;                        ///< Its name.
    QUuid id;                         ///< Its unique identifier.
    unsigned flags = 0;               ///< Its InterfaceFlag values.
    std::vector<MemberInfo> members;  ///< Its members, in the descriptor's order.
};

/// One class's type information (see ParameterInfo).
struct ClassInfo {
    Text identifier;                                       ///< "tesk.phonectrl"
    Text name;                                             ///< The class's name, "phonectrl".
    QUuid id;                                              ///< The class's unique identifier.
    Text libraryName;                                      ///< The library's name, "tesk".
    QUuid libraryId;                                       ///< The library's unique identifier.
    Text description;                                      ///< the library's
    bool control = false;                                  ///< True for a control.
    ThreadingModel threading = ThreadingModel::Apartment;  ///< Which thread may use an instance.
    InterfaceInfo defaultInterface;                        ///< Its methods and properties.
    InterfaceInfo eventInterface;                          ///< Its events.
    QStringList picture;                                   ///< Its toolbox picture, one text a row.
};

/// The class identifier of `type`: the library's name, a point and the class's name.
RUNTIME_EXPORT Text classIdentifier(const LibraryDescriptor& library, const ClassDescriptor& type);
/// The type information of `type`, a class of `library`.
RUNTIME_EXPORT ClassInfo classInfo(const LibraryDescriptor& library, const ClassDescriptor& type);

/// Why a descriptor is unfit to be registered (names, identifiers, duplicate member
/// identifiers, the picture), or the empty text when it is sound.
RUNTIME_EXPORT Text descriptorFault(const LibraryDescriptor& library);

/// The kind's name as type information shows it: "method", "property" or "event".
RUNTIME_EXPORT Text kindName(MemberKind kind);
/// The threading model's name as type information shows it: "Apartment".
RUNTIME_EXPORT Text threadingName(ThreadingModel threading);
/// The identifier as the type information writes it: hexadecimal, eight digits at most.
RUNTIME_EXPORT Text memberIdText(MemberId id);

/// Type information as the catalogue writes it, and read back from there: fromJson
/// raises a RuntimeError that says which field is missing or wrong.
RUNTIME_EXPORT QJsonObject toJson(const ClassInfo& type);
/// Type information read back from what toJson() wrote; a field that is missing or wrong
/// raises the RuntimeError CannotCreateObject, which names it.
RUNTIME_EXPORT ClassInfo classInfoFromJson(const QJsonObject& json);

/// A member of the class by identifier or by name (any interface); nullptr when none.
RUNTIME_EXPORT const MemberInfo* findMember(const ClassInfo& type, MemberId id);
/// The same, by name.
RUNTIME_EXPORT const MemberInfo* findMember(const ClassInfo& type, const Text& name);

}  // namespace runtime::components
