// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/msgbox.h"

#include "runtime/forms/program.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace runtime {
namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MsgBoxResult result;
};

std::vector<ButtonChoice> buttonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkOnly: return {{QMessageBox::Ok, Ok}};
    case Buttons::OkCancel: return {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}};
    case Buttons::AbortRetryIgnore:
        return {{QMessageBox::Abort, Abort}, {QMessageBox::Retry, Retry}, {QMessageBox::Ignore, Ignore}};
    case Buttons::YesNoCancel: return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
    case Buttons::YesNo: return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}};
    case Buttons::RetryCancel: return {{QMessageBox::Retry, Retry}, {QMessageBox::Cancel, Cancel}};
    }
    return {{QMessageBox::Ok, Ok}};
}

QMessageBox::Icon iconOf(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The place of the box's default button among its choices; a default past the last
// choice is the last.
std::size_t defaultIndexOf(const MsgBoxStyle& style, std::size_t choices)
{
    return std::min(static_cast<std::size_t>(style.defaultButton) / 256, choices - 1);
}

class DialogPresenter : public MessagePresenter {
public:
    MsgBoxResult present(const MessageBoxRequest& request) override
    {
        QMessageBox box(iconOf(request.style.icon), request.title, request.text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        const std::vector<ButtonChoice> choices = buttonsOf(request.style.buttons);
        for (const ButtonChoice& choice : choices)
            box.addButton(choice.button);
        box.setDefaultButton(choices[defaultIndexOf(request.style, choices.size())].button);
        box.exec();
        for (const ButtonChoice& choice : choices) {
            if (box.clickedButton() == box.button(choice.button))
                return choice.result;
        }
        // Closed without a button (Escape where the box allows it): Cancel, else the only button.
        return choices.size() == 1 ? choices.front().result : Cancel;
    }
};

DialogPresenter dialogPresenter;
MessagePresenter* currentPresenter = &dialogPresenter;

// A control hosted by a program of another kind, which has no Program, shows its
// messages under that program's name.
Text defaultTitle()
{
    const Text title = Program::title();
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

}  // namespace

MsgBoxResult msgBox(const Text& text, MsgBoxStyle style, const Text& title)
{
    return currentPresenter->present({text, style, title.isEmpty() ? defaultTitle() : title});
}

MsgBoxResult defaultAnswerOf(const MsgBoxStyle& style)
{
    const std::vector<ButtonChoice> choices = buttonsOf(style.buttons);
    return choices[defaultIndexOf(style, choices.size())].result;
}

void setMessagePresenter(MessagePresenter* presenter)
{
    currentPresenter = presenter ? presenter : &dialogPresenter;
}

}  // namespace runtime
