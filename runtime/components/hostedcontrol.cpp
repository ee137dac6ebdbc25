// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/hostedcontrol.h"

#include "runtime/base/error.h"
#include "runtime/components/host_p.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/programend_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace runtime {
namespace {

// The program cannot build its window without the control: one message, then the end.
[[noreturn]] void cannotStart(const Text& text)
{
    msgBox(text, {Buttons::OkOnly, Icon::Critical});
    detail::endProgram(1);
}

// The command that registers the library of a class: with the paths of the tool and of
// the library where they lie beside the program, as a build (bin/ and lib/) or an
// installation (bin/ and its library folder's desktop-suite/) lays them out, else with the
// library's file name in a placeholder folder.
Text registerCommandFor(const Text& classIdentifier)
{
    const Text file = QStringLiteral("lib%1.so").arg(classIdentifier.section(u'.', 0, 0));
    const QDir programs(QCoreApplication::applicationDirPath());
    const QFileInfo tool(programs.filePath(QStringLiteral("controls")));
    Text library = QStringLiteral("<folder>/") + file;
    for (const Text& folder : {QStringLiteral("../lib/"), QString::fromUtf8("../" SUITE_CONTROL_LIBRARY_FOLDER "/")}) {
        if (const QFileInfo candidate(programs.filePath(folder + file)); candidate.exists()) {
            library = candidate.canonicalFilePath();
            break;
        }
    }
    return QStringLiteral("%1 register %2").arg(tool.isExecutable() ? tool.absoluteFilePath() : QStringLiteral("controls"), library);
}

// What mends a control that cannot be created: a refused library made safe by the command
// that takes others' hold on it away, else the library registered.
Text mending(const Text& classIdentifier)
{
    if (const Text command = components::fixFor(classIdentifier); !command.isEmpty())
        return QStringLiteral("Make its control library safe with\n\n    %1").arg(command);
    return QStringLiteral("Register its control library with\n\n    %1").arg(registerCommandFor(classIdentifier));
}

}  // namespace

HostedControl::HostedControl(const Text& classIdentifier) : Control(new QWidget)
{
    try {
        instance_ = components::createInstance(classIdentifier);
    } catch (const RuntimeError& error) {
        cannotStart(QStringLiteral("%1.\n\n%2\n\nand start the program again.").arg(error.text(), mending(classIdentifier)));
    }
    QWidget* site = widget();
    instance_->widget()->setParent(site);
    instance_->widget()->show();
    if (QWidget* focus = instance_->focusWidget()) {
        site->setFocusProxy(focus);
        site->setFocusPolicy(Qt::StrongFocus);
    }
    instance_->setSite(this);
    // Until the window places it, the control has its design size; only the window's
    // extent runs its layout.
    move(0, 0, instance_->control()->width(), instance_->control()->height());
    placed_ = true;
    instance_->setEventHandler([this](const components::MemberInfo& event, Arguments& arguments) {
        if (auto handler = handlers_.find(event.id); handler != handlers_.end())
            handler->second(arguments);
    });
}

HostedControl::~HostedControl()
{
    if (instance_) {
        instance_->setEventHandler(nullptr);
        instance_->setSite(nullptr);
        instance_->destroy();
    }
}

Variant HostedControl::call(MemberId method, Arguments arguments)
{
    components::CallResult result = instance_->invoke(method, components::CallKind::Method, arguments);
    if (!result.ok())
        throw RuntimeError(result.error, result.errorText);
    return result.value;
}

Variant HostedControl::get(MemberId property)
{
    Arguments none;
    components::CallResult result = instance_->invoke(property, components::CallKind::PropertyGet, none);
    if (!result.ok())
        throw RuntimeError(result.error, result.errorText);
    return result.value;
}

void HostedControl::put(MemberId property, const Variant& value)
{
    Arguments arguments{value};
    components::CallResult result = instance_->invoke(property, components::CallKind::PropertyPut, arguments);
    if (!result.ok())
        throw RuntimeError(result.error, result.errorText);
}

void HostedControl::bindEvent(MemberId event, std::function<void(Arguments&)> handler)
{
    // Only the event interface: a handler bound under a method's identifier would never
    // run, so such an identifier is refused as an unknown one is.
    for (const components::MemberInfo& member : instance_->typeInfo().eventInterface.members) {
        if (member.id == event) {
            handlers_[event] = std::move(handler);
            return;
        }
    }
    cannotStart(QStringLiteral("The control %1 has no event with the member identifier %2.")
                    .arg(instance_->classIdentifier(), components::memberIdText(event)));
}

void HostedControl::moved()
{
    // Only a new size runs the control's layout; moving it does not.
    if (!placed_ || !instance_->isAlive())
        return;
    const UserControl& control = *instance_->control();
    if (toldExtent_ && control.width() == width() && control.height() == height())
        return;
    toldExtent_ = true;
    instance_->setExtent(width(), height());
}

void HostedControl::extentRequested(float width, float height)
{
    move(left(), top(), width, height);
}

}  // namespace runtime
