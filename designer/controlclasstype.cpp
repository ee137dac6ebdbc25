#include "controlclasstype.h"

#include "runtime/components/controlwidget.h"

#include <cstring>

namespace {

// The class name and nothing else: no class information, methods, properties, enumerations
// or constructors.
constexpr uint classWithNameOnly[] = {
    10,     // revision
    0,      // class name: string 0
    0, 0,   // class information
    0, 0,   // methods
    0, 0,   // properties
    0, 0,   // enumerations
    0, 0,   // constructors
    0,      // flags
    0,      // signals
    0,      // end
};

// The type of each property, then the class's own; a dynamic type has none stored, and
// is looked up by name.
const QtPrivate::QMetaTypeInterface* const noTypes[] = {nullptr};

}  // namespace

ControlClassType::ControlClassType(const QByteArray& className)
    : strings_(2 + (static_cast<std::size_t>(className.size()) + sizeof(uint)) / sizeof(uint)),
      metaObject_{{&runtime::components::ControlWidget::staticMetaObject, strings_.data(), classWithNameOnly, nullptr,
                   nullptr, noTypes, nullptr}}
{
    // The offset counts from the start of the table, past the one offset and size.
    strings_[0] = 2 * sizeof(uint);
    strings_[1] = static_cast<uint>(className.size());
    std::memcpy(strings_.data() + 2, className.constData(), static_cast<std::size_t>(className.size()) + 1);
}
