// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/classchooser.h"

#include "runtime/base/error.h"
#include "runtime/components/controlclasses_p.h"
#include "runtime/tools/tryout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace runtime::tools {
namespace {

Text statusOf(bool anyOffered, bool anyLeftOut)
{
    if (anyOffered)
        return anyLeftOut ? QStringLiteral("Some controls are left out, for the reasons below.") : Text();
    return anyLeftOut ? QStringLiteral("No control can be tried, for the reasons below.")
                      : QStringLiteral("No control is registered. Register a control library with: "
                                       "controls register <library or folder>");
}

}  // namespace

// Enter and Escape as a dialog takes them: a key that no control of the window used
// (the list lets Enter pass, a button takes it for itself) reaches the window, where
// Enter tries the chosen class and Escape closes.
class ClassChooser::Keys : public QObject {
public:
    explicit Keys(ClassChooser& chooser) : chooser_(chooser) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != chooser_.window() || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && chooser_.choose.enabled()) {
            chooser_.choose.press();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            chooser_.close.press();
            return true;
        }
        return false;
    }

private:
    ClassChooser& chooser_;
};

ClassChooser::ClassChooser(Open open) : open_(std::move(open))
{
    design({"Choose a Control", 7200, 5400}, {
        {&classeslabel, "Registered controls:", 120,  120, 6960,  255, -1},
        {&classes,      "",                     120,  390, 6960, 2400,  0},
        {&status,       "",                     120, 2880, 6960,  495, -1},
        {&leftoutlabel, "Left out:",            120, 3450, 6960,  255, -1},
        {&leftout,      "",                     120, 3720, 6960, 1050,  1},
        {&choose,       "Try",                 4440, 4920, 1215,  375,  2},
        {&close,        "Close",               5865, 4920, 1215,  375,  3},
    });

    classes.Click.bind(this, &ClassChooser::classes_Click);
    classes.DblClick.bind(this, &ClassChooser::classes_DblClick);
    choose.Click.bind(this, &ClassChooser::choose_Click);
    close.Click.bind(this, &ClassChooser::close_Click);

    keys_ = std::make_unique<Keys>(*this);
    window()->installEventFilter(keys_.get());
}

void ClassChooser::Form_Load()
{
    const components::ControlClasses found = components::controlClasses();
    for (const components::CatalogueEntry& entry : found.offered) {
        classes.addItem(QStringLiteral("%1: %2").arg(entry.type.identifier, entry.type.description));
        identifiers_.push_back(entry.type.identifier);
    }
    for (const components::RefusedControl& refused : found.refused)
        leftout.addItem(QStringLiteral("%1: %2").arg(refused.entry.type.identifier, refused.refusal));
    for (const Text& unreadable : found.unreadable)
        leftout.addItem(unreadable);

    if (!identifiers_.empty())
        classes.setCurrentIndex(0);
    status.setCaption(statusOf(!identifiers_.empty(), leftout.count() > 0));
    classes_Click();
}

void ClassChooser::classes_Click()
{
    choose.setEnabled(classes.currentIndex() >= 0);
}

void ClassChooser::classes_DblClick()
{
    if (choose.enabled())
        choose_Click();
}

void ClassChooser::choose_Click()
{
    const int row = classes.currentIndex();
    if (row < 0)
        return;
    try {
        open_(identifiers_[static_cast<std::size_t>(row)]);
    } catch (const RuntimeError& error) {
        status.setCaption(error.text());
        return;
    }
    close_Click();
}

// Closed as by the close box, so that the program ends with its last window.
void ClassChooser::close_Click()
{
    window()->close();
}

int chooseAndTryControl(const std::function<void(const Text&)>& out)
{
    std::unique_ptr<TryOut> tried;
    ClassChooser chooser([&](const Text& classIdentifier) { tried = openTryOut(classIdentifier, out); });
    chooser.show();
    return QApplication::exec();
}

}  // namespace runtime::tools
