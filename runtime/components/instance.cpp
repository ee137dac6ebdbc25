// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/instance.h"

#include "runtime/base/error.h"
#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/forms/programend_p.h"

#include <QWidget>

namespace runtime::components {
namespace {

CallResult failure(int number, const Text& text)
{
    return {{}, number, text};
}

const Member* findMember(std::span<const Member> members, MemberId id)
{
    for (const Member& member : members) {
        if (member.id == id)
            return &member;
    }
    return nullptr;
}

bool kindFits(const Member& member, CallKind kind)
{
    return kind == CallKind::Method ? member.kind == MemberKind::Method : member.kind == MemberKind::Property;
}

}  // namespace

Instance::Instance(std::shared_ptr<LoadedLibrary> library, const LibraryDescriptor& descriptor,
                   const ClassDescriptor& type, std::unique_ptr<UserControl> control)
    : library_(std::move(library)), type_(type), typeInfo_(classInfo(descriptor, type)), control_(std::move(control))
{
    for (const Member& event : type_.eventInterface.members)
        event.connect(*control_, [this, &event](Arguments& arguments) { deliver(event, arguments); });
}

Instance::~Instance()
{
    destroy();
}

Text Instance::classIdentifier() const
{
    return typeInfo_.identifier;
}

QWidget* Instance::widget() const
{
    return control_ ? control_->widget() : nullptr;
}

CallResult Instance::invoke(MemberId id, CallKind kind, Arguments& arguments)
{
    if (!onWindowThread())
        return failure(RuntimeError::WrongThread,
                       QStringLiteral("The control can be used only on the window thread that created it"));
    if (!control_)
        return failure(RuntimeError::ObjectDestroyed, QStringLiteral("The control has been destroyed"));
    const Member* member = findMember(type_.defaultInterface.members, id);
    if (!member || !kindFits(*member, kind))
        return failure(RuntimeError::NotSupported, QStringLiteral("Object doesn't support this property or method"));
    if (kind == CallKind::PropertyPut && !member->put)
        return failure(RuntimeError::PropertyReadOnly, QStringLiteral("Can't assign to read-only property"));
    const std::size_t expected = kind == CallKind::PropertyPut ? 1 : member->parameters.size();
    if (arguments.size() != expected)
        return failure(RuntimeError::WrongArguments, QStringLiteral("Wrong number of arguments or invalid property assignment"));

    try {
        if (kind == CallKind::PropertyPut) {
            member->put(*control_, arguments.front().convertedTo(member->result));
            return {};
        }
        Arguments converted;
        for (std::size_t index = 0; index < arguments.size(); ++index)
            converted.push_back(arguments[index].convertedTo(member->parameters[index].type));
        CallResult result{member->invoke(*control_, converted), 0, {}};
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            if (member->parameters[index].byReference)
                arguments[index] = converted[index];
        }
        return result;
    } catch (const RuntimeError& error) {
        return failure(error.number(), error.text());
    } catch (const detail::ProgramEnded&) {
        throw;  // the control ended the program: nothing runs on
    } catch (const std::exception& error) {
        return failure(RuntimeError::InvalidProcedureCall, QString::fromLocal8Bit(error.what()));
    }
}

void Instance::deliver(const Member& event, Arguments& arguments)
{
    if (!eventHandler_)
        return;
    for (const MemberInfo& info : typeInfo_.eventInterface.members) {
        if (info.id == event.id) {
            eventHandler_(info, arguments);
            return;
        }
    }
}

void Instance::setSite(Site* site)
{
    if (control_)
        control_->setSite(site);
}

void Instance::setExtent(float width, float height)
{
    if (control_)
        control_->applyExtent(width, height);
}

QWidget* Instance::focusWidget() const
{
    return control_ ? control_->firstFocusChild() : nullptr;
}

void Instance::setUserMode(bool userMode)
{
    if (control_)
        control_->setUserMode(userMode);
}

int Instance::libraryCanUnloadNow() const
{
    return library_ ? library_->canUnloadNow() : Ok;
}

void Instance::destroy()
{
    control_.reset();
}

}  // namespace runtime::components
