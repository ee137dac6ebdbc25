#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"

namespace runtime {

// An editable text. text() gives back exactly the text last set until the user edits it.
//
// A one-line box never holds CR or LF: every line break that reaches it, set, pasted,
// dropped or committed by an input method, becomes one space (a CR LF pair too), so
// that a pasted "Acme\r\nTech" reads "Acme Tech".
//
// A multi-line box starts a new line on Enter, wraps long lines at its width and shows a
// vertical scroll bar while its text is taller than the box; its text separates lines
// with CR LF and keeps every other character as it stands (no-break spaces, U+2028).
//
// KeyPress is raised for every character key before the box sees it: printable
// characters, Backspace (8), Enter (13), Escape (27) and control characters; not for
// Tab, the arrows or Delete. The handler may set the code to 0 to discard the key or
// to another code to enter that instead. A key that is not discarded lands in this box,
// even when the handler has moved the focus elsewhere. Backspace with Ctrl or Alt is
// the Backspace that KeyPress saw: it deletes one character, not a word. Text that an
// input method commits (a compose sequence, an on-screen keyboard) is typed: each of its
// characters raises KeyPress and lands as a key would.
class RUNTIME_EXPORT TextBox : public Control {
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

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    bool characterKey(const QKeyEvent& event) override;
    struct Editor;
    std::unique_ptr<Editor> editor_;
};

}  // namespace runtime
