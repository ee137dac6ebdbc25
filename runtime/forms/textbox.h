#pragma once

#include "runtime/base/event.h"
#include "runtime/forms/control.h"

#include <cstdint>

namespace runtime {

// An editable text. A multi-line box starts a new line on Enter and shows no scroll
// bars; its text separates lines with CR LF.
//
// KeyPress is raised for every character key before the box sees it: printable
// characters, Backspace (8), Enter (13), Escape (27) and control characters; not for
// Tab, the arrows or Delete. The handler may set the code to 0 to discard the key or
// to another code to enter that instead. A key that is not discarded lands in this box,
// even when the handler has moved the focus elsewhere.
class TextBox : public Control {
public:
    enum class Lines { Single, Multi };

    explicit TextBox(Lines lines = Lines::Single);
    ~TextBox() override;

    Text text() const;

    Text shownText() const override { return text(); }
    void setText(const Text& text);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    Event<std::int16_t&> KeyPress;

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    struct Editor;
    std::unique_ptr<Editor> editor_;
};

}  // namespace runtime
