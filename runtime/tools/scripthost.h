#pragma once

#include "runtime/components/instance.h"
#include "runtime/forms/msgbox.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace runtime::tools {

// The container of a control while a script runs: a window off screen that places the
// control at its design size and gives it every extent it asks for, prints each event the
// control raises and each message box it shows (answered with its default button), and
// delivers keys and clicks as a user's would arrive.
class ScriptHost : public components::Site, private MessagePresenter {
public:
    using Print = std::function<void(const Text& line)>;

    ScriptHost(std::shared_ptr<components::Instance> instance, Print print);
    ~ScriptHost() override;
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    components::Instance& instance() const { return *instance_; }

    void extentRequested(float width, float height) override;

    // Key presses into the widget with the focus, one a character.
    void type(const Text& text);
    void pressKey(int key, const Text& text);
    // A mouse click in the middle of a child, on whatever lies there.
    void click(Control& child);

private:
    MsgBoxResult present(const MessageBoxRequest& request) override;

    std::shared_ptr<components::Instance> instance_;
    Print print_;
    QWidget window_;
};

}  // namespace runtime::tools
