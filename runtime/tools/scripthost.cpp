#include "runtime/tools/scripthost.h"

#include "runtime/components/usercontrol.h"
#include "runtime/tools/notation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace runtime::tools {

ScriptHost::ScriptHost(std::shared_ptr<components::Instance> instance, Print print)
    : instance_(std::move(instance)), print_(std::move(print))
{
    setMessagePresenter(this);
    instance_->setEventHandler([print = print_](const components::MemberInfo& event, Arguments& arguments) {
        print(eventLine(event.name, arguments));
    });
    instance_->widget()->setParent(&window_);
    instance_->setSite(this);
    window_.show();
    window_.activateWindow();
    QCoreApplication::processEvents();
    // Placed at its design size, as a container places a new control.
    extentRequested(instance_->control()->width(), instance_->control()->height());
    if (QWidget* first = instance_->focusWidget())
        first->setFocus(Qt::OtherFocusReason);
}

ScriptHost::~ScriptHost()
{
    instance_->setSite(nullptr);
    setMessagePresenter(nullptr);
}

MsgBoxResult ScriptHost::present(const MessageBoxRequest& request)
{
    print_(QStringLiteral("message %1").arg(Variant(request.text).literal()));
    return defaultAnswerOf(request.style);
}

void ScriptHost::extentRequested(float width, float height)
{
    window_.resize(pixels(width), pixels(height));
    instance_->setExtent(width, height);
}

void ScriptHost::pressKey(int key, const Text& text)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window_;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window_, &release);
}

void ScriptHost::type(const Text& text)
{
    for (const QChar character : text) {
        int key = character.unicode();
        if (character.isLetter())
            key = character.toUpper().unicode();
        pressKey(key, Text(character));
    }
}

void ScriptHost::click(Control& child)
{
    // The click lands on what lies at the child's centre: a list box takes it in the
    // area inside its frame, not in the frame itself.
    QWidget* widget = child.widget();
    const QPoint middle(widget->width() / 2, widget->height() / 2);
    if (QWidget* inner = widget->childAt(middle))
        widget = inner;
    const QPointF centre = widget->mapFrom(child.widget(), middle);
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

}  // namespace runtime::tools
