// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/tryout.h"

#include "runtime/base/error.h"
#include "runtime/components/host_p.h"
#include "runtime/tools/notation.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace runtime::tools {
namespace {

using components::CallKind;
using components::CallResult;
using components::MemberInfo;
using components::MemberKind;

Text commandOf(CallKind kind)
{
    switch (kind) {
    case CallKind::Method: return QStringLiteral("call");
    case CallKind::PropertyGet: return QStringLiteral("get");
    case CallKind::PropertyPut: return QStringLiteral("put");
    }
    return {};
}

}  // namespace

TryOut::TryOut(std::shared_ptr<components::Instance> instance, Echo echo)
    : instance_(std::move(instance)), echo_(std::move(echo))
{
    // Members and log in a fixed-pitch face, so that identifiers and kinds line up.
    const Font fixedPitch{"Courier New", 8};
    design({QStringLiteral("Try %1").arg(instance_->classIdentifier()), 11040, 6960}, {
        {&classname,      "",                  120,  120, 10800,  255, -1},
        {&stage,          "Control",           120,  480,  4680, 3240, -1},
        {&extentlabel,    "Extent in twips:",  120, 3870,  1395,  255, -1},
        {&extentwidth,    "",                 1560, 3840,   855,  315, 4, {.accessibleName = "Width in twips"}},
        {&extentheight,   "",                 2520, 3840,   855,  315, 5, {.accessibleName = "Height in twips"}},
        {&resize,         "Resize",           3480, 3810,  1320,  375, 6},
        {&memberslabel,   "Members:",         4920,  480,  6000,  255, -1},
        {&members,        "",                 4920,  750,  6000, 1680, 0, {.font = fixedPitch}},
        {&signature,      "",                 4920, 2490,  6000,  495, -1},
        {&argumentslabel, "Arguments:",       4920, 3060,  1095,  255, -1},
        {&arguments,      "",                 6060, 3030,  4860,  315, 1},
        {&invoke,         "Call",             6060, 3450,  1395,  375, 2},
        {&write,          "Write",            7560, 3450,  1395,  375, 3},
        {&loglabel,       "Log:",              120, 4320,  1095,  255, -1},
        {&log,            "",                  120, 4590, 10800, 2250, 7, {.font = fixedPitch}},
    });

    members.Click.bind(this, &TryOut::members_Click);
    members.DblClick.bind(this, &TryOut::members_DblClick);
    arguments.KeyPress.bind(this, &TryOut::arguments_KeyPress);
    invoke.Click.bind(this, &TryOut::invoke_Click);
    write.Click.bind(this, &TryOut::write_Click);
    resize.Click.bind(this, &TryOut::resize_Click);
    instance_->setEventHandler([this](const MemberInfo& event, Arguments& values) { control_Event(event, values); });

    holder_ = new QWidget(stage.widget());
    holder_->move(pixels(120), pixels(300));
    instance_->widget()->setParent(holder_);
    instance_->widget()->show();
    instance_->setSite(this);
}

TryOut::~TryOut()
{
    instance_->setSite(nullptr);
    instance_->setEventHandler({});
    instance_->destroy();
}

void TryOut::Form_Load()
{
    const components::ClassInfo& type = instance_->typeInfo();
    classname.setCaption(QStringLiteral("%1: %2").arg(type.identifier, type.description));
    for (const components::InterfaceInfo* interface : {&type.defaultInterface, &type.eventInterface}) {
        for (const MemberInfo& member : interface->members) {
            const bool readOnly = member.kind == MemberKind::Property && member.readOnly;
            members.addItem(QStringLiteral("%1  %2  %3%4")
                                .arg(components::memberIdText(member.id), -8)
                                .arg(components::kindName(member.kind), -8)
                                .arg(memberSignature(member), readOnly ? QStringLiteral(" (read-only)") : QString()));
            memberRows_.push_back(&member);
        }
    }
    if (!memberRows_.empty())
        members.setCurrentIndex(0);
    members_Click();

    // Placed at its design size, as a container places a new control.
    const UserControl& control = *instance_->control();
    extentRequested(control.width(), control.height());
    showExtent();
}

const MemberInfo* TryOut::chosenMember() const
{
    const int index = members.currentIndex();
    return index >= 0 && index < static_cast<int>(memberRows_.size()) ? memberRows_[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

void TryOut::members_Click()
{
    const MemberInfo* member = chosenMember();
    signature.setCaption(member ? memberSignature(*member) + u'\n' + member->description : Text());
    enableButtons();
}

void TryOut::members_DblClick()
{
    if (invoke.enabled())
        invoke_Click();
}

void TryOut::arguments_KeyPress(std::int16_t& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    if (invoke.enabled())
        invoke_Click();
}

// "Call" for a method, "Read" for a property; "Write" only for a property that can be
// written; neither for an event, which only the control raises.
void TryOut::enableButtons()
{
    const MemberInfo* member = chosenMember();
    const bool isProperty = member && member->kind == MemberKind::Property;
    invoke.setCaption(isProperty ? QStringLiteral("Read") : QStringLiteral("Call"));
    invoke.setEnabled(member && member->kind != MemberKind::Event);
    write.setEnabled(isProperty && !member->readOnly);
}

void TryOut::invoke_Click()
{
    const MemberInfo* member = chosenMember();
    if (!member || member->kind == MemberKind::Event)
        return;
    call(member->kind == MemberKind::Property ? CallKind::PropertyGet : CallKind::Method);
}

void TryOut::write_Click()
{
    call(CallKind::PropertyPut);
}

void TryOut::call(CallKind kind)
{
    const MemberInfo* member = chosenMember();
    if (!member)
        return;
    const Text typed = kind == CallKind::PropertyGet ? Text() : arguments.text().trimmed();
    const Text command = typed.isEmpty() ? commandOf(kind) + u' ' + member->name
                                         : commandOf(kind) + u' ' + member->name + u' ' + typed;
    Text fault;
    std::optional<Arguments> values = argumentsOf(typed, fault);
    if (!values)
        return addToLog(QStringLiteral("%1 -> not called: %2").arg(command, fault));

    const Arguments passed = *values;
    const CallResult result = instance_->invoke(member->id, kind, *values);
    const bool hasResult =
        kind == CallKind::PropertyGet || (kind == CallKind::Method && member->result != ValueType::Empty);
    addToLog(callOutcome(command, result, hasResult));
    if (result.ok()) {
        for (const Text& changed : changedArguments(passed, *values))
            addToLog(changed);
    }
}

void TryOut::control_Event(const MemberInfo& event, Arguments& values)
{
    addToLog(eventLine(event.name, values));
}

void TryOut::resize_Click()
{
    const Text command =
        QStringLiteral("resize %1 %2").arg(extentwidth.text().trimmed(), extentheight.text().trimmed());
    const std::optional<float> width = extentOf(extentwidth.text());
    const std::optional<float> height = extentOf(extentheight.text());
    if (!width || !height) {
        addToLog(QStringLiteral("%1 -> not done: a width and a height from 0 to %2 twips")
                     .arg(command)
                     .arg(largestExtent));
        return;
    }
    extentRequested(*width, *height);
    const UserControl& control = *instance_->control();
    addToLog(QStringLiteral("%1 -> %2 x %3").arg(command, twips(control.width()), twips(control.height())));
    showExtent();
}

// The control asks for an extent (one that keeps a minimum size corrects the one it was
// given), or the window gives it one: the holder follows what the control ends up with.
void TryOut::extentRequested(float width, float height)
{
    instance_->setExtent(width, height);
    const UserControl& control = *instance_->control();
    holder_->resize(pixels(control.width()), pixels(control.height()));
}

void TryOut::showExtent()
{
    const UserControl& control = *instance_->control();
    extentwidth.setText(twips(control.width()));
    extentheight.setText(twips(control.height()));
}

void TryOut::addToLog(const Text& line)
{
    log.addItem(line);
    log.setCurrentIndex(log.newIndex());  // keeps the newest line in sight
    if (echo_)
        echo_(line);
}

std::unique_ptr<TryOut> openTryOut(const Text& classIdentifier, const std::function<void(const Text&)>& out)
{
    // Each line leaves at once, so that a log piped to a file or another program arrives
    // as the control works, not when the window closes.
    auto window = std::make_unique<TryOut>(components::createInstance(classIdentifier), [out](const Text& line) {
        out(line);
        std::fflush(stdout);
    });
    window->show();
    return window;
}

int tryControl(const Text& classIdentifier, const std::function<void(const Text&)>& out,
               const std::function<void(const Text&)>& error)
{
    std::unique_ptr<TryOut> window;
    try {
        window = openTryOut(classIdentifier, out);
    } catch (const RuntimeError& failure) {
        error(failure.text());
        return 1;
    }
    return QApplication::exec();
}

}  // namespace runtime::tools
