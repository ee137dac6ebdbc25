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
#include <QWidget>

#include <algorithm>
#include <exception>
#include <utility>

namespace runtime {

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
        if (control_.paintFailed_ || detail::programHasEnded())
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
        control_.paintFailed_ = true;
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

UserControl::UserControl() : surface_(new Surface(*this)) {}

UserControl::~UserControl()
{
    // The children are members of the subclass and have taken their widgets with them.
    const detail::ControlTeardown teardown;
    delete surface_.data();
    if (server_)
        components::objectReleased(*server_);
}

Control* UserControl::child(const Text& name) const
{
    for (const auto& [childName, control] : children_) {
        if (childName == name)
            return control;
    }
    return nullptr;
}

void UserControl::design(const UserControlDesign& surface, std::initializer_list<Placement> children)
{
    width_ = surface.width;
    height_ = surface.height;
    surface_->resize(pixels(width_), pixels(height_));
    if (surface.backColor)
        DesignSurface::setBackColor(surface_.data(), *surface.backColor);
    std::vector<Control*> placed;
    for (const Placement& row : children) {
        children_.emplace_back(row.name, row.control);
        placed.push_back(row.control);
        DesignSurface::place(surface_.data(), row);
        if (row.control->widget())
            row.control->widget()->setObjectName(row.name);
    }
    AccessibleNames::nameControls(children);
    // A control whose children take no focus takes it itself, to have the keys.
    if (!DesignSurface::chainTabOrder(placed))
        surface_->setFocusPolicy(Qt::StrongFocus);
}

QWidget* UserControl::firstFocusChild() const
{
    const Control* first = nullptr;
    for (const auto& [name, control] : children_) {
        const QWidget* widget = control->widget();
        if (control->tabIndex() < 0 || !widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!first || control->tabIndex() < first->tabIndex())
            first = control;
    }
    if (first)
        return first->widget();
    return surface_ && surface_->focusPolicy() != Qt::NoFocus ? surface_.data() : nullptr;
}

void UserControl::initialize()
{
    detail::runHandler([this] { UserControl_Initialize(); });
}

void UserControl::setUserMode(bool userMode)
{
    if (std::exchange(userMode_, userMode) != userMode)
        detail::runHandler([this] { UserControl_AmbientChanged(); });
}

void UserControl::Refresh()
{
    paintFailed_ = false;
    if (surface_)
        surface_->update();
}

bool UserControl::enabled() const
{
    return surface_ && surface_->isEnabled();
}

bool UserControl::hasFocus() const
{
    return surface_ && surface_->hasFocus();
}

// What the host shows: a surface takes its font and colours from the widget it is put in.
Ambient UserControl::ambient() const
{
    const QWidget* host = surface_->parentWidget() ? surface_->parentWidget() : surface_.data();
    const QFont font = host->font();
    return {{font.family(), static_cast<float>(font.pointSizeF()), font.bold(), font.italic()},
            fromQColor(host->palette().color(QPalette::Active, QPalette::WindowText)),
            fromQColor(host->palette().color(QPalette::Active, QPalette::Window)),
            userMode_};
}

void UserControl::setMinimumSize(float width, float height)
{
    minimumWidth_ = width;
    minimumHeight_ = height;
    if (width_ < width || height_ < height)
        requestExtent(std::max(width_, width), std::max(height_, height));
}

void UserControl::setWidth(float width)
{
    requestExtent(width, height_);
}

void UserControl::setHeight(float height)
{
    requestExtent(width_, height);
}

void UserControl::requestExtent(float width, float height)
{
    if (site_)
        site_->extentRequested(width, height);
    else
        applyExtent(width, height);
}

void UserControl::applyExtent(float width, float height)
{
    const float keptWidth = std::max(width, minimumWidth_);
    const float keptHeight = std::max(height, minimumHeight_);
    if ((keptWidth != width || keptHeight != height) && site_) {
        site_->extentRequested(keptWidth, keptHeight);
        return;
    }
    width_ = keptWidth;
    height_ = keptHeight;
    if (surface_)
        surface_->setGeometry(0, 0, pixels(width_), pixels(height_));
    detail::runHandler([this] { UserControl_Resize(); });
}

}  // namespace runtime
