// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/typeinfo.h"

#include "runtime/base/error.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <set>

namespace runtime::components {
namespace {

Text fromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : Text();
}

bool isName(const Text& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

QStringList parameterNames(const Member& member)
{
    QStringList names;
    for (const Text& name : fromUtf8(member.parameterNames).split(u',', Qt::SkipEmptyParts))
        names.append(name.trimmed());
    return names;
}

std::optional<Variant> designDefaultOf(const Member& member)
{
    return std::visit(
        [](auto value) -> std::optional<Variant> {
            if constexpr (std::is_same_v<decltype(value), std::monostate>)
                return std::nullopt;
            else
                return Variant(value);
        },
        member.designDefault);
}

MemberInfo memberInfo(const Member& member)
{
    MemberInfo info{fromUtf8(member.name), member.id, member.kind, member.kind == MemberKind::Property && !member.put,
                    member.result, {}, fromUtf8(member.description), designDefaultOf(member)};
    const QStringList names = parameterNames(member);
    for (std::size_t index = 0; index < member.parameters.size(); ++index) {
        const Parameter& parameter = member.parameters[index];
        const Text name = index < static_cast<std::size_t>(names.size()) ? names[static_cast<qsizetype>(index)]
                                                                         : QStringLiteral("arg%1").arg(index + 1);
        info.parameters.push_back({name, parameter.type, parameter.byReference});
    }
    return info;
}

InterfaceInfo interfaceInfo(const Interface& interface)
{
    InterfaceInfo info{fromUtf8(interface.name), QUuid::fromString(QLatin1String(interface.id)), interface.flags, {}};
    for (const Member& member : interface.members)
        info.members.push_back(memberInfo(member));
    return info;
}

Text interfaceFault(const Interface& interface, bool events)
{
    const Text name = fromUtf8(interface.name);
    if (!isName(name))
        return QStringLiteral("the interface name \"%1\" is no name").arg(name);
    if (QUuid::fromString(QLatin1String(interface.id)).isNull())
        return QStringLiteral("the interface %1 has no valid unique identifier").arg(name);
    std::set<MemberId> ids;
    for (const Member& member : interface.members) {
        const Text memberName = fromUtf8(member.name);
        if (!isName(memberName))
            return QStringLiteral("the member name \"%1\" of %2 is no name").arg(memberName, name);
        if (!ids.insert(member.id).second)
            return QStringLiteral("the member identifier %1 appears twice in %2").arg(memberIdText(member.id), name);
        if ((member.kind == MemberKind::Event) != events)
            return QStringLiteral("%1 of %2 is of the wrong kind for its interface").arg(memberName, name);
        if (events ? !member.connect : !member.invoke)
            return QStringLiteral("%1 of %2 has no code to run").arg(memberName, name);
        if (const std::optional<Variant> initial = designDefaultOf(member);
            initial && (!member.put || initial->type() != member.result))
            return QStringLiteral("%1 of %2 has a design-time default but is no read-write property of that kind")
                .arg(memberName, name);
    }
    return {};
}

Text pictureFault(const ToolboxPicture& picture)
{
    static const QRegularExpression row(QStringLiteral("^[0-9a-f]{16}$"));
    for (const char* pixels : picture) {
        if (!pixels || !row.match(QLatin1String(pixels)).hasMatch())
            return QStringLiteral("the toolbox picture is not 15 rows of 16 colour digits");
    }
    return {};
}

[[noreturn]] void raiseBadField(const Text& field)
{
    throw RuntimeError(RuntimeError::CannotCreateObject, QStringLiteral("the field \"%1\" is missing or wrong").arg(field));
}

Text requiredText(const QJsonObject& json, const QString& field)
{
    const QJsonValue value = json.value(field);
    if (!value.isString())
        raiseBadField(field);
    return value.toString();
}

QUuid requiredId(const QJsonObject& json, const QString& field)
{
    const QUuid id = QUuid::fromString(requiredText(json, field));
    if (id.isNull())
        raiseBadField(field);
    return id;
}

template <typename Enum>
Enum requiredEnum(const QJsonObject& json, const QString& field, Text (*nameOf)(Enum), std::initializer_list<Enum> all)
{
    const Text text = requiredText(json, field);
    for (Enum value : all) {
        if (nameOf(value) == text)
            return value;
    }
    raiseBadField(field);
}

constexpr std::initializer_list<ValueType> allTypes = {ValueType::Empty, ValueType::Boolean, ValueType::Short,
                                                       ValueType::Long, ValueType::Double, ValueType::String};

// A design-time default in the catalogue: a JSON boolean, number or string.
QJsonValue toJson(const Variant& value)
{
    switch (value.type()) {
    case ValueType::Boolean: return value.toBoolean();
    case ValueType::Short:
    case ValueType::Long:
    case ValueType::Double: return value.toDouble();
    case ValueType::String: return value.toText();
    case ValueType::Empty: break;
    }
    return {};
}

// An entry written before design-time properties existed has none.
std::optional<Variant> designDefaultFromJson(const QJsonObject& member, const MemberInfo& info)
{
    const QString field = QStringLiteral("designDefault");
    const QJsonValue json = member.value(field);
    if (json.isUndefined())
        return std::nullopt;
    const Variant value = json.isBool()     ? Variant(json.toBool())
                          : json.isDouble() ? Variant(json.toDouble())
                          : json.isString() ? Variant(json.toString())
                                            : Variant();
    // Of the property's kind: a number becomes an integer only where it is a whole number
    // in range, and nothing else converts.
    try {
        if (info.kind == MemberKind::Property && !info.readOnly && !value.isEmpty())
            return value.convertedTo(info.result);
    } catch (const RuntimeError&) {
    }
    raiseBadField(field);
}

QJsonObject toJson(const InterfaceInfo& interface)
{
    QJsonArray members;
    for (const MemberInfo& member : interface.members) {
        QJsonArray parameters;
        for (const ParameterInfo& parameter : member.parameters) {
            parameters.append(QJsonObject{{QStringLiteral("name"), parameter.name},
                                          {QStringLiteral("type"), typeName(parameter.type)},
                                          {QStringLiteral("byReference"), parameter.byReference}});
        }
        QJsonObject json{{QStringLiteral("name"), member.name},
                         {QStringLiteral("id"), memberIdText(member.id)},
                         {QStringLiteral("kind"), kindName(member.kind)},
                         {QStringLiteral("readOnly"), member.readOnly},
                         {QStringLiteral("result"), typeName(member.result)},
                         {QStringLiteral("parameters"), parameters},
                         {QStringLiteral("description"), member.description}};
        if (member.designDefault)
            json.insert(QStringLiteral("designDefault"), toJson(*member.designDefault));
        members.append(json);
    }
    return {{QStringLiteral("name"), interface.name},
            {QStringLiteral("id"), interface.id.toString()},
            {QStringLiteral("dual"), (interface.flags & Dual) != 0},
            {QStringLiteral("hidden"), (interface.flags & Hidden) != 0},
            {QStringLiteral("dispatchOnly"), (interface.flags & DispatchOnly) != 0},
            {QStringLiteral("members"), members}};
}

InterfaceInfo interfaceFromJson(const QJsonObject& json)
{
    InterfaceInfo interface{requiredText(json, QStringLiteral("name")), requiredId(json, QStringLiteral("id")), 0, {}};
    if (json.value(QStringLiteral("dual")).toBool())
        interface.flags |= Dual;
    if (json.value(QStringLiteral("hidden")).toBool())
        interface.flags |= Hidden;
    if (json.value(QStringLiteral("dispatchOnly")).toBool())
        interface.flags |= DispatchOnly;
    if (!json.value(QStringLiteral("members")).isArray())
        raiseBadField(QStringLiteral("members"));
    for (const QJsonValue& value : json.value(QStringLiteral("members")).toArray()) {
        const QJsonObject member = value.toObject();
        MemberInfo info;
        info.name = requiredText(member, QStringLiteral("name"));
        bool isNumber = false;
        info.id = static_cast<MemberId>(requiredText(member, QStringLiteral("id")).toUInt(&isNumber, 16));
        if (!isNumber)
            raiseBadField(QStringLiteral("id"));
        info.kind = requiredEnum<MemberKind>(member, QStringLiteral("kind"), kindName,
                                             {MemberKind::Method, MemberKind::Property, MemberKind::Event});
        info.readOnly = member.value(QStringLiteral("readOnly")).toBool();
        info.result = requiredEnum<ValueType>(member, QStringLiteral("result"), typeName, allTypes);
        for (const QJsonValue& parameterValue : member.value(QStringLiteral("parameters")).toArray()) {
            const QJsonObject parameter = parameterValue.toObject();
            info.parameters.push_back({requiredText(parameter, QStringLiteral("name")),
                                       requiredEnum<ValueType>(parameter, QStringLiteral("type"), typeName, allTypes),
                                       parameter.value(QStringLiteral("byReference")).toBool()});
        }
        info.description = member.value(QStringLiteral("description")).toString();
        info.designDefault = designDefaultFromJson(member, info);
        interface.members.push_back(std::move(info));
    }
    return interface;
}

}  // namespace

Text classIdentifier(const LibraryDescriptor& library, const ClassDescriptor& type)
{
    return fromUtf8(library.name) + u'.' + fromUtf8(type.name);
}

ClassInfo classInfo(const LibraryDescriptor& library, const ClassDescriptor& type)
{
    ClassInfo info;
    info.identifier = classIdentifier(library, type);
    info.name = fromUtf8(type.name);
    info.id = QUuid::fromString(QLatin1String(type.id));
    info.libraryName = fromUtf8(library.name);
    info.libraryId = QUuid::fromString(QLatin1String(library.id));
    info.description = fromUtf8(library.description);
    info.control = type.control;
    info.threading = type.threading;
    info.defaultInterface = interfaceInfo(type.defaultInterface);
    info.eventInterface = interfaceInfo(type.eventInterface);
    for (const char* row : type.picture)
        info.picture.append(fromUtf8(row));
    return info;
}

Text descriptorFault(const LibraryDescriptor& library)
{
    const Text name = fromUtf8(library.name);
    if (!isName(name))
        return QStringLiteral("the library name \"%1\" is no name").arg(name);
    if (QUuid::fromString(QLatin1String(library.id)).isNull())
        return QStringLiteral("the library %1 has no valid unique identifier").arg(name);
    if (library.classes.empty())
        return QStringLiteral("the library %1 has no classes").arg(name);
    std::set<Text> classNames;
    for (const ClassDescriptor* type : library.classes) {
        const Text className = fromUtf8(type->name);
        if (!isName(className))
            return QStringLiteral("the class name \"%1\" is no name").arg(className);
        if (!classNames.insert(className).second)
            return QStringLiteral("the class %1 appears twice").arg(className);
        if (QUuid::fromString(QLatin1String(type->id)).isNull())
            return QStringLiteral("the class %1 has no valid unique identifier").arg(className);
        if (!type->create)
            return QStringLiteral("the class %1 has no creation function").arg(className);
        if (Text fault = interfaceFault(type->defaultInterface, false); !fault.isEmpty())
            return fault;
        if (Text fault = interfaceFault(type->eventInterface, true); !fault.isEmpty())
            return fault;
        if (Text fault = pictureFault(type->picture); !fault.isEmpty())
            return QStringLiteral("%1: %2").arg(className, fault);
    }
    return {};
}

Text kindName(MemberKind kind)
{
    switch (kind) {
    case MemberKind::Method: return QStringLiteral("method");
    case MemberKind::Property: return QStringLiteral("property");
    case MemberKind::Event: return QStringLiteral("event");
    }
    return {};
}

Text threadingName(ThreadingModel threading)
{
    switch (threading) {
    case ThreadingModel::Apartment: return QStringLiteral("Apartment");
    }
    return {};
}

Text memberIdText(MemberId id)
{
    return QString::number(static_cast<std::uint32_t>(id), 16);
}

QJsonObject toJson(const ClassInfo& type)
{
    return {{QStringLiteral("name"), type.name},
            {QStringLiteral("id"), type.id.toString()},
            {QStringLiteral("libraryName"), type.libraryName},
            {QStringLiteral("libraryId"), type.libraryId.toString()},
            {QStringLiteral("description"), type.description},
            {QStringLiteral("control"), type.control},
            {QStringLiteral("threadingModel"), threadingName(type.threading)},
            {QStringLiteral("defaultInterface"), toJson(type.defaultInterface)},
            {QStringLiteral("eventInterface"), toJson(type.eventInterface)},
            {QStringLiteral("toolboxPicture"), QJsonArray::fromStringList(type.picture)}};
}

ClassInfo classInfoFromJson(const QJsonObject& json)
{
    ClassInfo type;
    type.name = requiredText(json, QStringLiteral("name"));
    type.id = requiredId(json, QStringLiteral("id"));
    type.libraryName = requiredText(json, QStringLiteral("libraryName"));
    type.libraryId = requiredId(json, QStringLiteral("libraryId"));
    type.identifier = type.libraryName + u'.' + type.name;
    type.description = json.value(QStringLiteral("description")).toString();
    type.control = json.value(QStringLiteral("control")).toBool();
    type.threading = requiredEnum<ThreadingModel>(json, QStringLiteral("threadingModel"), threadingName,
                                                  {ThreadingModel::Apartment});
    type.defaultInterface = interfaceFromJson(json.value(QStringLiteral("defaultInterface")).toObject());
    type.eventInterface = interfaceFromJson(json.value(QStringLiteral("eventInterface")).toObject());
    for (const QJsonValue& row : json.value(QStringLiteral("toolboxPicture")).toArray())
        type.picture.append(row.toString());
    return type;
}

const MemberInfo* findMember(const ClassInfo& type, MemberId id)
{
    for (const InterfaceInfo* interface : {&type.defaultInterface, &type.eventInterface}) {
        for (const MemberInfo& member : interface->members) {
            if (member.id == id)
                return &member;
        }
    }
    return nullptr;
}

const MemberInfo* findMember(const ClassInfo& type, const Text& name)
{
    for (const InterfaceInfo* interface : {&type.defaultInterface, &type.eventInterface}) {
        for (const MemberInfo& member : interface->members) {
            if (member.name == name)
                return &member;
        }
    }
    return nullptr;
}

}  // namespace runtime::components
