#include "runtime/forms/form.h"

#include "runtime/forms/accessiblenames_p.h"
#include "runtime/forms/designsurface_p.h"
#include "runtime/forms/event.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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

struct Form::Window {
    FormWindow window;
    explicit Window(Form& form) : window(form) {}
};

Form::Form() : window_(std::make_unique<Window>(*this)) {}

Form::~Form()
{
    // Controls are members of the subclass and are gone by now; the window goes last.
}

QWidget* Form::window() const
{
    return &window_->window;
}

void Form::design(const FormDesign& form, std::initializer_list<Placement> controls)
{
    FormWindow& window = window_->window;
    window.setWindowTitle(form.caption);
    width_ = form.width;
    height_ = form.height;
    QWidget* client = window.centralWidget();
    client->setFixedSize(pixels(form.width), pixels(form.height));
    if (form.backColor)
        DesignSurface::setBackColor(client, *form.backColor);
    for (const Placement& row : controls) {
        controls_.push_back(row.control);
        DesignSurface::place(client, row);
    }
    AccessibleNames::nameControls(controls);
    if (Control* first = DesignSurface::chainTabOrder(controls_))
        first->widget()->setFocus(Qt::OtherFocusReason);
    window.adjustSize();
}

void Form::designMenu(std::initializer_list<MenuPlacement> items)
{
    QMenuBar* bar = window_->window.menuBar();
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
    window_->window.adjustSize();
}

void Form::show()
{
    if (unloaded_)
        return;
    if (!loaded_) {
        loaded_ = true;
        detail::runHandler([this] { Form_Load(); });
    }
    FormWindow& window = window_->window;
    window.show();
    window.raise();
    window.activateWindow();
}

void Form::hide()
{
    window_->window.hide();
}

void Form::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    loaded_ = false;
    for (Control* control : controls_)
        control->unload();
    window_->window.hide();
}

void Form::closedByUser()
{
    unload();
    detail::runHandler([this] { Form_Terminate(); });
}

bool Form::isVisible() const
{
    return window_->window.isVisible();
}

Text Form::caption() const
{
    return window_->window.windowTitle();
}

}  // namespace runtime
