// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/usercontrol.h"

#include "runtime/components/server.h"
#include "runtime/forms/accessiblenames_p.h"
#include "runtime/forms/designsurface_p.h"
#include "runtime/forms/event.h"
#include "runtime/forms/keyevents_p.h"
#include "runtime/forms/programend_p.h"
#include "runtime/forms/qtcolour_p.h"
#include "runtime/forms/teardown_p.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <utility>

namespace runtime {

struct UserControl::State {
    QPointer<QWidget> surface;
    std::vector<std::pair<Text, Control*>> children;
    float width = 0;
    float height = 0;
    float minimumWidth = 0;
    float minimumHeight = 0;
    bool userMode = true;
    bool paintFailed = false;
    components::Site* site = nullptr;
    components::ServerState* server = nullptr;  // counts the library's live objects
};

// The widget a control draws on and places its children on. It hands the events of the
// bare surface to the control's handlers; those its children let pass up to it are kept
// from the host, as the control's inside is its own.
class UserControl::Surface : public QWidget {
public:
    explicit Surface(UserControl& control) : control_(control)
    {
        QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (detail::ControlTeardown::underway())
                return;
            const bool had = holds(old);
            const bool has = holds(now);
            if (!had && has)
                detail::runHandler([this] { control_.UserControl_EnterFocus(); });
            else if (had && !has)
                detail::runHandler([this] { control_.UserControl_ExitFocus(); });
        });
    }

protected:
    // A failed paint is reported after the painting is over, from the event loop: a
    // message box cannot open while the window is being drawn.
    void paintEvent(QPaintEvent*) override
    {
        if (control_.state_->paintFailed || detail::programHasEnded())
            return;
        std::exception_ptr failure;
        {
            QPainter painter(this);
            Canvas canvas(painter, *this);
            try {
                control_.UserControl_Paint(canvas);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        if (!failure)
            return;
        control_.state_->paintFailed = true;
        QMetaObject::invokeMethod(
            this, [failure] { detail::runHandler([failure] { std::rethrow_exception(failure); }); }, Qt::QueuedConnection);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (!onBareSurface(*event))
            return;
        pressedOnSurface_ |= event->button();
        clickPending_ = event->button() == Qt::LeftButton;
        mouse(*event, &UserControl::UserControl_MouseDown, detail::mouseButtonsOf(event->button()));
    }

    // The second press of a double-click raises DblClick, and its release no Click.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (!onBareSurface(*event))
            return;
        pressedOnSurface_ |= event->button();
        mouse(*event, &UserControl::UserControl_MouseDown, detail::mouseButtonsOf(event->button()));
        if (event->button() == Qt::LeftButton)
            detail::runHandler([this] { control_.UserControl_DblClick(); });
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (onBareSurface(*event) || pressedOnSurface_)
            mouse(*event, &UserControl::UserControl_MouseMove, detail::mouseButtonsOf(event->buttons()));
    }

    // The release of a press on the surface comes here wherever the pointer is now; a
    // Click needs it back on the surface.
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!(pressedOnSurface_ & event->button()))
            return;
        pressedOnSurface_ &= ~event->button();
        mouse(*event, &UserControl::UserControl_MouseUp, detail::mouseButtonsOf(event->button()));
        if (event->button() == Qt::LeftButton && std::exchange(clickPending_, false)
            && rect().contains(event->position().toPoint()))
            detail::runHandler([this] { control_.UserControl_Click(); });
    }

    // A key the control does not take, leaving its code in KeyDown and its character in
    // KeyPress, goes on to the host: Enter to a dialog's default button.
    void keyPressEvent(QKeyEvent* event) override
    {
        event->ignore();
        if (!fromSurface())
            return;
        if (std::int16_t code = detail::keyCodeOf(*event)) {
            const std::int16_t shift = detail::shiftStateOf(event->modifiers());
            detail::runHandler([&] { control_.UserControl_KeyDown(code, shift); });
            if (code == 0)
                return event->accept();
        }
        if (std::int16_t character = detail::characterCodeOf(*event)) {
            detail::runHandler([&] { control_.UserControl_KeyPress(character); });
            if (character == 0)
                event->accept();
        }
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        event->ignore();
        if (!fromSurface())
            return;
        if (std::int16_t code = detail::keyCodeOf(*event)) {
            const std::int16_t shift = detail::shiftStateOf(event->modifiers());
            detail::runHandler([&] { control_.UserControl_KeyUp(code, shift); });
            if (code == 0)
                event->accept();
        }
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        detail::runHandler([this] { control_.UserControl_GotFocus(); });
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        detail::runHandler([this] { control_.UserControl_LostFocus(); });
    }

    void changeEvent(QEvent* event) override
    {
        QWidget::changeEvent(event);
        const QEvent::Type type = event->type();
        // While the control is being made it sets its own colours; only a host's count.
        if (parentWidget() && (type == QEvent::FontChange || type == QEvent::PaletteChange))
            detail::runHandler([this] { control_.UserControl_AmbientChanged(); });
    }

private:
    using MouseHandler = void (UserControl::*)(std::int16_t, std::int16_t, float, float);

    bool holds(const QWidget* widget) const { return widget && (widget == this || isAncestorOf(widget)); }

    // A key a child with the focus let pass comes here too; it was the child's.
    bool fromSurface() const
    {
        const QWidget* focused = window()->focusWidget();
        return !focused || focused == this || !isAncestorOf(focused);
    }

    // A press a child let pass comes here too: where a child lies, the press was the child's.
    bool onBareSurface(const QMouseEvent& event) const { return !childAt(event.position().toPoint()); }

    void mouse(const QMouseEvent& event, MouseHandler handler, std::int16_t buttons)
    {
        const float x = static_cast<float>(event.position().x()) * twipsPerPixel;
        const float y = static_cast<float>(event.position().y()) * twipsPerPixel;
        const std::int16_t shift = detail::shiftStateOf(event.modifiers());
        detail::runHandler([&] { (control_.*handler)(buttons, shift, x, y); });
    }

    UserControl& control_;
    Qt::MouseButtons pressedOnSurface_;
    bool clickPending_ = false;
};


UserControl::UserControl() : state_(std::make_unique<State>())
{
    state_->surface = new Surface(*this);
}

UserControl::~UserControl()
{
    // The children are members of the subclass and have taken their widgets with them.
    const detail::ControlTeardown teardown;
    delete state_->surface.data();
    if (state_->server)
        components::objectReleased(*state_->server);
}

float UserControl::width() const
{
    return state_->width;
}

float UserControl::height() const
{
    return state_->height;
}

float UserControl::scaleWidth() const
{
    return state_->width;
}

float UserControl::scaleHeight() const
{
    return state_->height;
}

float UserControl::minimumWidth() const
{
    return state_->minimumWidth;
}

float UserControl::minimumHeight() const
{
    return state_->minimumHeight;
}

QWidget* UserControl::widget() const
{
    return state_->surface.data();
}

const std::vector<std::pair<Text, Control*>>& UserControl::children() const
{
    return state_->children;
}

void UserControl::setSite(components::Site* site)
{
    state_->site = site;
}

void UserControl::attachServer(components::ServerState& server)
{
    state_->server = &server;
}

Control* UserControl::child(const Text& name) const
{
    for (const auto& [childName, control] : state_->children) {
        if (childName == name)
            return control;
    }
    return nullptr;
}

void UserControl::design(const UserControlDesign& surface, std::initializer_list<Placement> children)
{
    state_->width = surface.width;
    state_->height = surface.height;
    state_->surface->resize(pixels(state_->width), pixels(state_->height));
    if (surface.backColor)
        DesignSurface::setBackColor(state_->surface.data(), *surface.backColor);
    std::vector<Control*> placed;
    for (const Placement& row : children) {
        state_->children.emplace_back(row.name, row.control);
        placed.push_back(row.control);
        DesignSurface::place(state_->surface.data(), row);
        if (row.control->widget())
            row.control->widget()->setObjectName(row.name);
    }
    AccessibleNames::nameControls(children);
    // A control whose children take no focus takes it itself, to have the keys.
    if (!DesignSurface::chainTabOrder(placed))
        state_->surface->setFocusPolicy(Qt::StrongFocus);
}

QWidget* UserControl::firstFocusChild() const
{
    const Control* first = nullptr;
    for (const auto& [name, control] : state_->children) {
        const QWidget* widget = control->widget();
        if (control->tabIndex() < 0 || !widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!first || control->tabIndex() < first->tabIndex())
            first = control;
    }
    if (first)
        return first->widget();
    return state_->surface && state_->surface->focusPolicy() != Qt::NoFocus ? state_->surface.data() : nullptr;
}

void UserControl::initialize()
{
    detail::runHandler([this] { UserControl_Initialize(); });
}

void UserControl::setUserMode(bool userMode)
{
    if (std::exchange(state_->userMode, userMode) != userMode)
        detail::runHandler([this] { UserControl_AmbientChanged(); });
}

void UserControl::Refresh()
{
    state_->paintFailed = false;
    if (state_->surface)
        state_->surface->update();
}

bool UserControl::enabled() const
{
    return state_->surface && state_->surface->isEnabled();
}

bool UserControl::hasFocus() const
{
    return state_->surface && state_->surface->hasFocus();
}

// What the host shows: a surface takes its font and colours from the widget it is put in.
Ambient UserControl::ambient() const
{
    const QWidget* host = state_->surface->parentWidget() ? state_->surface->parentWidget() : state_->surface.data();
    const QFont font = host->font();
    return {{font.family(), static_cast<float>(font.pointSizeF()), font.bold(), font.italic()},
            fromQColor(host->palette().color(QPalette::Active, QPalette::WindowText)),
            fromQColor(host->palette().color(QPalette::Active, QPalette::Window)),
            state_->userMode};
}

void UserControl::setMinimumSize(float width, float height)
{
    state_->minimumWidth = width;
    state_->minimumHeight = height;
    if (state_->width < width || state_->height < height)
        requestExtent(std::max(state_->width, width), std::max(state_->height, height));
}

void UserControl::setWidth(float width)
{
    requestExtent(width, state_->height);
}

void UserControl::setHeight(float height)
{
    requestExtent(state_->width, height);
}

void UserControl::requestExtent(float width, float height)
{
    if (state_->site)
        state_->site->extentRequested(width, height);
    else
        applyExtent(width, height);
}

void UserControl::applyExtent(float width, float height)
{
    const float keptWidth = std::max(width, state_->minimumWidth);
    const float keptHeight = std::max(height, state_->minimumHeight);
    if ((keptWidth != width || keptHeight != height) && state_->site) {
        state_->site->extentRequested(keptWidth, keptHeight);
        return;
    }
    state_->width = keptWidth;
    state_->height = keptHeight;
    if (state_->surface)
        state_->surface->setGeometry(0, 0, pixels(state_->width), pixels(state_->height));
    detail::runHandler([this] { UserControl_Resize(); });
}

}  // namespace runtime
