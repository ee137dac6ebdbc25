// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/form.h"

#include "runtime/forms/accessiblenames_p.h"
#include "runtime/forms/designsurface_p.h"
#include "runtime/forms/event.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace runtime {

// The toolkit window of a form: a main window whose central widget is the client area.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(Form& form) : form_(form)
    {
        setCentralWidget(new QWidget);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        form_.closedByUser();
    }

private:
    Form& form_;
};

struct Form::State {
    FormWindow window;
    std::vector<Control*> controls;
    float width = 0;
    float height = 0;
    bool loaded = false;
    bool unloaded = false;
    explicit State(Form& form) : window(form) {}
};

Form::Form() : state_(std::make_unique<State>(*this)) {}

Form::~Form()
{
    // Controls are members of the subclass and are gone by now; the window goes last.
}

bool Form::isLoaded() const
{
    return state_->loaded;
}

bool Form::isUnloaded() const
{
    return state_->unloaded;
}

float Form::width() const
{
    return state_->width;
}

float Form::height() const
{
    return state_->height;
}

QWidget* Form::window() const
{
    return &state_->window;
}

void Form::design(const FormDesign& form, std::initializer_list<Placement> controls)
{
    FormWindow& window = state_->window;
    window.setWindowTitle(form.caption);
    state_->width = form.width;
    state_->height = form.height;
    QWidget* client = window.centralWidget();
    client->setFixedSize(pixels(form.width), pixels(form.height));
    if (form.backColor)
        DesignSurface::setBackColor(client, *form.backColor);
    for (const Placement& row : controls) {
        state_->controls.push_back(row.control);
        DesignSurface::place(client, row);
    }
    AccessibleNames::nameControls(controls);
    if (Control* first = DesignSurface::chainTabOrder(state_->controls))
        first->widget()->setFocus(Qt::OtherFocusReason);
    window.adjustSize();
}

void Form::designMenu(std::initializer_list<MenuPlacement> items)
{
    QMenuBar* bar = state_->window.menuBar();
    QMenu* dropDown = nullptr;
    for (auto row = items.begin(); row != items.end(); ++row) {
        MenuItem& item = *row->item;
        const bool opensMenu = row->level == 1 && std::next(row) != items.end() && std::next(row)->level == 2;
        if (row->level == 1) {
            dropDown = opensMenu ? bar->addMenu(row->caption) : nullptr;
            item.action_ = opensMenu ? dropDown->menuAction() : bar->addAction(row->caption);
        } else if (row->caption == QStringLiteral("-")) {
            item.action_ = dropDown->addSeparator();
        } else {
            item.action_ = dropDown->addAction(row->caption);
        }
        if (!row->shortcut.isEmpty())
            item.action_->setShortcut(QKeySequence(row->shortcut));
        item.action_->setVisible(row->visible);
        QObject::connect(item.action_, &QAction::triggered, [&item] { item.Click.raise(); });
    }
    state_->window.adjustSize();
}

void Form::show()
{
    if (state_->unloaded)
        return;
    if (!state_->loaded) {
        state_->loaded = true;
        detail::runHandler([this] { Form_Load(); });
    }
    FormWindow& window = state_->window;
    window.show();
    window.raise();
    window.activateWindow();
}

void Form::hide()
{
    state_->window.hide();
}

void Form::unload()
{
    if (state_->unloaded)
        return;
    state_->unloaded = true;
    state_->loaded = false;
    for (Control* control : state_->controls)
        control->unload();
    state_->window.hide();
}

void Form::closedByUser()
{
    unload();
    detail::runHandler([this] { Form_Terminate(); });
}

bool Form::isVisible() const
{
    return state_->window.isVisible();
}

Text Form::caption() const
{
    return state_->window.windowTitle();
}

}  // namespace runtime
