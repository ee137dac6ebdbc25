// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Entries of a library's descriptor made from the control's own members, so that a call
/// by member identifier reaches the same function as a direct call. The identifiers are
/// those of the library's header of member identifiers, which its hosts include as well:
///
///     constexpr Member phonectrlMembers[] = {
///         method<&phonectrl::stdformat>("stdformat", phonectrlmember::stdformat, "", "standard format of the number"),
///     };
///     constexpr Member phonectrlEvents[] = {event<&phonectrl::clicked>("clicked", phonectrlmember::clicked, "", "...")};
///
/// A method's parameters and result, and an event's arguments, are Text, bool, Short
/// (std::int16_t), Long (std::int32_t) or double; a parameter taken by non-const reference
/// is passed by reference: the caller sees what the control wrote into it.

#include "runtime/components/typeinfo.h"
#include "runtime/forms/event.h"

#include <array>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>

namespace runtime::components {
namespace binding {

template <typename Value>
struct Kind;
template <> struct Kind<void> { static constexpr ValueType type = ValueType::Empty; };
template <> struct Kind<bool> {
    static constexpr ValueType type = ValueType::Boolean;
    static bool from(const Variant& value) { return value.toBoolean(); }
};
template <> struct Kind<std::int16_t> {
    static constexpr ValueType type = ValueType::Short;
    static std::int16_t from(const Variant& value) { return value.toShort(); }
};
template <> struct Kind<Short> : Kind<std::int16_t> {};
template <> struct Kind<std::int32_t> {
    static constexpr ValueType type = ValueType::Long;
    static std::int32_t from(const Variant& value) { return value.toLong(); }
};
template <> struct Kind<Long> : Kind<std::int32_t> {};
template <> struct Kind<double> {
    static constexpr ValueType type = ValueType::Double;
    static double from(const Variant& value) { return value.toDouble(); }
};
template <> struct Kind<Text> {
    static constexpr ValueType type = ValueType::String;
    static Text from(const Variant& value) { return value.toText(); }
};

template <typename Parameter>
using Stored = std::remove_cvref_t<Parameter>;

template <typename Parameter>
constexpr bool byReference = std::is_lvalue_reference_v<Parameter> && !std::is_const_v<std::remove_reference_t<Parameter>>;

template <typename... Parameters>
inline constexpr std::array<components::Parameter, sizeof...(Parameters)> parameters = {
    components::Parameter{Kind<Stored<Parameters>>::type, byReference<Parameters>}...};

// Takes the arguments out of their variants, runs `call` with them and writes back the
// ones passed by reference.
template <typename... Parameters, typename Call, std::size_t... Index>
auto withArguments(Arguments& arguments, Call call, std::index_sequence<Index...>)
{
    std::tuple<Stored<Parameters>...> values{Kind<Stored<Parameters>>::from(arguments[Index])...};
    struct WriteBack {
        Arguments& arguments;
        std::tuple<Stored<Parameters>...>& values;
        ~WriteBack()
        {
            ((byReference<Parameters> ? void(arguments[Index] = Variant(std::get<Index>(values))) : void()), ...);
        }
    } writeBackOnReturn{arguments, values};
    return call(std::get<Index>(values)...);
}

template <typename Function>
struct MethodTraits;
template <typename Owner, typename Result, typename... Parameters>
struct MethodTraits<Result (Owner::*)(Parameters...)> {
    using Class = Owner;
    using ResultType = Result;
    static constexpr const auto& parameterList = parameters<Parameters...>;

    template <auto Function>
    static Variant invoke(UserControl& control, Arguments& arguments)
    {
        auto& object = static_cast<Owner&>(control);
        auto call = [&object](auto&... values) -> decltype(auto) { return (object.*Function)(values...); };
        if constexpr (std::is_void_v<Result>) {
            withArguments<Parameters...>(arguments, call, std::index_sequence_for<Parameters...>{});
            return {};
        } else {
            return Variant(withArguments<Parameters...>(arguments, call, std::index_sequence_for<Parameters...>{}));
        }
    }
};
template <typename Owner, typename Result, typename... Parameters>
struct MethodTraits<Result (Owner::*)(Parameters...) const> : MethodTraits<Result (Owner::*)(Parameters...)> {};

template <typename Function>
struct SetterTraits;
template <typename Owner, typename Value>
struct SetterTraits<void (Owner::*)(Value)> {
    using Class = Owner;
    static constexpr ValueType type = Kind<Stored<Value>>::type;

    template <auto Function>
    static void put(UserControl& control, const Variant& value)
    {
        (static_cast<Owner&>(control).*Function)(Kind<Stored<Value>>::from(value));
    }
};

// Hands back to the raiser's variable what an event handler wrote into an argument the
// event passes by reference.
template <typename Parameter>
void writeBack(std::add_lvalue_reference_t<Parameter> value, const Variant& argument)
{
    if constexpr (byReference<Parameter>)
        value = Kind<Stored<Parameter>>::from(argument);
}

template <typename... Parameters, std::size_t... Index>
void writeBackEvent(const Arguments& arguments, std::index_sequence<Index...>,
                    std::add_lvalue_reference_t<Parameters>... values)
{
    (writeBack<Parameters>(values, arguments[Index]), ...);
}

template <typename EventMember>
struct EventTraits;
template <typename Owner, typename... Parameters>
struct EventTraits<Event<Parameters...> Owner::*> {
    static constexpr const auto& parameterList = parameters<Parameters...>;

    template <auto EventPointer>
    static void connect(UserControl& control, EventSink sink)
    {
        Event<Parameters...>& event = static_cast<Owner&>(control).*EventPointer;
        event.bind(std::function<void(Parameters...)>([sink = std::move(sink)](Parameters... values) {
            Arguments arguments{Variant(Stored<Parameters>(values))...};
            sink(arguments);
            writeBackEvent<Parameters...>(arguments, std::index_sequence_for<Parameters...>{}, values...);
        }));
    }
};

// The kind a property is read with.
template <auto Getter>
inline constexpr ValueType propertyKind = Kind<Stored<typename MethodTraits<decltype(Getter)>::ResultType>>::type;

// A value of a kind as a descriptor writes it.
template <ValueType Type>
using Literal = std::variant_alternative_t<static_cast<std::size_t>(Type), DesignDefault>;

}  // namespace binding

/// A method: a member function taking and returning the kinds this header names (or
/// returning void). `parameterNames` names its parameters, separated by commas.
template <auto Function>
constexpr Member method(const char* name, MemberId id, const char* parameterNames, const char* description)
{
    using Traits = binding::MethodTraits<decltype(Function)>;
    return {name, id, MemberKind::Method, binding::Kind<binding::Stored<typename Traits::ResultType>>::type,
            Traits::parameterList, parameterNames, description, &Traits::template invoke<Function>};
}

/// A read-only property: a member function without parameters.
template <auto Getter>
constexpr Member property(const char* name, MemberId id, const char* description)
{
    using Traits = binding::MethodTraits<decltype(Getter)>;
    static_assert(Traits::parameterList.empty(), "a property is read without arguments");
    return {name, id, MemberKind::Property, binding::Kind<binding::Stored<typename Traits::ResultType>>::type,
            {}, "", description, &Traits::template invoke<Getter>};
}

/// A property that can be written as well: the setter takes one value of the getter's kind.
template <auto Getter, auto Setter>
constexpr Member property(const char* name, MemberId id, const char* description)
{
    static_assert(binding::SetterTraits<decltype(Setter)>::type
                      == binding::Kind<binding::Stored<typename binding::MethodTraits<decltype(Getter)>::ResultType>>::type,
                  "a property is written with the kind it is read with");
    Member member = property<Getter>(name, id, description);
    member.put = &binding::SetterTraits<decltype(Setter)>::template put<Setter>;
    return member;
}

/// A design-time property: a read-write property that a form designer shows, with the value
/// the control's constructor gives it, written as a literal of the property's kind (a text
/// in UTF-8):
///
///     designProperty<&counterctrl::value, &counterctrl::setValue>("value", countermember::value, 0, "The number shown"),
template <auto Getter, auto Setter>
constexpr Member designProperty(const char* name, MemberId id, binding::Literal<binding::propertyKind<Getter>> initial,
                                const char* description)
{
    Member member = property<Getter, Setter>(name, id, description);
    constexpr auto kind = static_cast<std::size_t>(binding::propertyKind<Getter>);
    member.designDefault = DesignDefault(std::in_place_index<kind>, initial);
    return member;
}

/// An event: a runtime::Event member of the control, raised by the control as usual.
/// `parameterNames` names its arguments, separated by commas.
template <auto EventPointer>
constexpr Member event(const char* name, MemberId id, const char* parameterNames, const char* description)
{
    using Traits = binding::EventTraits<decltype(EventPointer)>;
    return {name, id, MemberKind::Event, ValueType::Empty, Traits::parameterList, parameterNames, description,
            nullptr, nullptr, &Traits::template connect<EventPointer>};
}

/// The class's creation function for its descriptor.
template <typename Class>
UserControl* create()
{
    return new Class;
}

}  // namespace runtime::components
