#pragma once

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

namespace runtime::components {

// The static descriptor a control library hands to the runtime's generic server with
// every call of its four entry points: the library, its classes, their interfaces and
// members with member identifiers, and how to make an instance. It is plain constant
// data in the library; binding.h makes the member entries from member functions.

enum class MemberKind { Method, Property, Event };

struct Parameter {
    ValueType type;
    bool byReference;  // the callee may change the caller's value
};

// Calls a method or reads a property; the arguments have the member's parameter types.
using Invoker = Variant (*)(UserControl& control, Arguments& arguments);
// Writes a property.
using Setter = void (*)(UserControl& control, const Variant& value);
// Receives an event with its arguments; a handler may change a by-reference argument.
using EventSink = std::function<void(Arguments& arguments)>;
// Hands every raise of one event of the control to `sink`.
using Connector = void (*)(UserControl& control, EventSink sink);
// The value a design-time property starts with, of its kind, in the order of ValueType (a
// text in UTF-8); none (std::monostate) for every other member.
using DesignDefault = std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, const char*>;

struct Member {
    const char* name;
    MemberId id;
    MemberKind kind;
    ValueType result;  // Empty: none
    std::span<const Parameter> parameters;
    const char* parameterNames;  // comma separated, as the type information shows them
    const char* description;
    Invoker invoke = nullptr;      // methods and property reads
    Setter put = nullptr;          // property writes; nullptr for a read-only property
    Connector connect = nullptr;   // events
    // A design-time property: a read-write property that a form designer shows and a form
    // keeps, with the value the control's constructor gives it. A form leaves out a value
    // equal to it, so registration checks that a new instance starts with it.
    DesignDefault designDefault = {};
};

enum InterfaceFlag : unsigned {
    Dual = 1,          // callable directly and by member identifier
    Hidden = 2,        // hidden from browsing
    DispatchOnly = 4,  // reachable by member identifier only
};

struct Interface {
    const char* name;
    const char* id;  // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
    unsigned flags;
    std::span<const Member> members;
};

// Each instance is created and used on one thread, the window thread of its host.
enum class ThreadingModel { Apartment };

// The control's picture in a host's tool palette: 15 rows of 16 pixels, each pixel a
// hexadecimal digit naming one of the 16 standard colours (0 black ... f white).
inline constexpr int pictureWidth = 16;
inline constexpr int pictureHeight = 15;
using ToolboxPicture = std::array<const char*, pictureHeight>;

struct ClassDescriptor {
    const char* name;  // "phonectrl"; the class identifier is library.name
    const char* id;
    bool control;
    Interface defaultInterface;
    Interface eventInterface;
    ThreadingModel threading;
    ToolboxPicture picture;
    UserControl* (*create)();
};

// The version of the component system this runtime speaks; a library built for a newer
// one is refused before it is loaded.
inline constexpr int componentVersion = 1;

struct LibraryDescriptor {
    const char* name;  // "tesk"
    const char* id;
    const char* description;
    // The runtime's component version the library was built for: that of the headers it
    // is compiled with, unless the descriptor names another.
    int runtimeVersion = componentVersion;
    std::span<const ClassDescriptor* const> classes;
};

// Type information as the catalogue keeps it and the tools show it: the descriptor's
// content as owned values, without the code pointers.
struct ParameterInfo {
    Text name;
    ValueType type = ValueType::Empty;
    bool byReference = false;
};

struct MemberInfo {
    Text name;
    MemberId id = 0;
    MemberKind kind = MemberKind::Method;
    bool readOnly = false;  // properties
    ValueType result = ValueType::Empty;
    std::vector<ParameterInfo> parameters;
    Text description;
    std::optional<Variant> designDefault;  // design-time properties: what the control starts with
};

struct InterfaceInfo {
    Text name;
    QUuid id;
    unsigned flags = 0;
    std::vector<MemberInfo> members;
};

struct ClassInfo {
    Text identifier;  // "tesk.phonectrl"
    Text name;
    QUuid id;
    Text libraryName;
    QUuid libraryId;
    Text description;  // the library's
    bool control = false;
    ThreadingModel threading = ThreadingModel::Apartment;
    InterfaceInfo defaultInterface;
    InterfaceInfo eventInterface;
    QStringList picture;
};

RUNTIME_EXPORT Text classIdentifier(const LibraryDescriptor& library, const ClassDescriptor& type);
RUNTIME_EXPORT ClassInfo classInfo(const LibraryDescriptor& library, const ClassDescriptor& type);

// Why a descriptor is unfit to be registered (names, identifiers, duplicate member
// identifiers, the picture), or the empty text when it is sound.
RUNTIME_EXPORT Text descriptorFault(const LibraryDescriptor& library);

RUNTIME_EXPORT Text kindName(MemberKind kind);
RUNTIME_EXPORT Text threadingName(ThreadingModel threading);
// The identifier as the type information writes it: hexadecimal, eight digits at most.
RUNTIME_EXPORT Text memberIdText(MemberId id);

// Type information as the catalogue writes it, and read back from there: fromJson
// raises a RuntimeError that says which field is missing or wrong.
RUNTIME_EXPORT QJsonObject toJson(const ClassInfo& type);
RUNTIME_EXPORT ClassInfo classInfoFromJson(const QJsonObject& json);

// A member of the class by identifier or by name (any interface); nullptr when none.
RUNTIME_EXPORT const MemberInfo* findMember(const ClassInfo& type, MemberId id);
RUNTIME_EXPORT const MemberInfo* findMember(const ClassInfo& type, const Text& name);

}  // namespace runtime::components
