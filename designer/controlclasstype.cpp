// SPDX-License-Identifier: LGPL-2.1-or-later
#include "controlclasstype.h"

#include "propertyvalue.h"
#include "runtime/components/controlwidget_p.h"

#include <QByteArrayList>

#include <cstring>

namespace {

constexpr uint revision = 10;
// The class name, then no class information, methods, enumerations or constructors, no
// flags and no signals; its properties follow at once.
constexpr uint headerSize = 14;

// Readable, writable, resettable, designable, scriptable and stored, with a setter of the
// usual name: a Q_PROPERTY with READ, WRITE setName and RESET. A form's file names such a
// property as one of the class's own; it would otherwise mark it as set by name only.
constexpr uint propertyFlags = 0x1 | 0x2 | 0x4 | 0x100 | 0x1000 | 0x4000 | 0x10000;

}  // namespace

ControlClassType::ControlClassType(const QByteArray& className, std::vector<runtime::components::MemberInfo> properties)
    : properties_(std::move(properties)), metaObject_{}
{
    QByteArrayList names{className};
    for (const runtime::components::MemberInfo& property : properties_)
        names.append(property.name.toUtf8());
    // An offset counts from the start of the table, past every string's offset and size.
    QByteArray characters;
    for (const QByteArray& name : names) {
        strings_.push_back(static_cast<uint>(2 * names.size() * sizeof(uint) + characters.size()));
        strings_.push_back(static_cast<uint>(name.size()));
        characters += name + '\0';
    }
    const std::size_t offsets = strings_.size();
    strings_.resize(offsets + (static_cast<std::size_t>(characters.size()) + sizeof(uint) - 1) / sizeof(uint));
    std::memcpy(strings_.data() + offsets, characters.constData(), static_cast<std::size_t>(characters.size()));

    const auto count = static_cast<uint>(properties_.size());
    data_ = {revision, 0, 0, 0, 0, 0, count, headerSize, 0, 0, 0, 0, 0, 0};
    for (uint index = 0; index < count; ++index) {
        const QMetaType type = propertyMetaType(properties_[index].result);
        // Name, type, flags, no notify signal, revision 0; the type's own record beside it.
        data_.insert(data_.end(), {index + 1, static_cast<uint>(type.id()), propertyFlags, uint(-1), 0});
        metaTypes_.push_back(type.iface());
    }
    data_.push_back(0);  // the end
    // The class's own type has no record: it is looked up by name.
    metaTypes_.push_back(nullptr);

    metaObject_.d = {&runtime::components::ControlWidget::staticMetaObject, strings_.data(), data_.data(), nullptr,
                     nullptr, metaTypes_.data(), nullptr};
}
