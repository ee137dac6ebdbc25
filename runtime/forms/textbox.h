// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"

namespace runtime {

/// An editable text. text() gives back exactly the text last set until the user edits it.
///
/// A one-line box never holds CR or LF: every line break that reaches it, set, pasted,
/// dropped or committed by an input method, becomes one space (a CR LF pair too), so
/// that a pasted `"Acme\r\nTech"` reads "Acme Tech".
///
/// A multi-line box starts a new line on Enter, wraps long lines at its width and shows a
/// vertical scroll bar while its text is taller than the box; its text separates lines
/// with CR LF and keeps every other character as it stands (no-break spaces, U+2028).
///
/// KeyPress is raised for every character key before the box sees it: printable
/// characters, Backspace (8), Enter (13), Escape (27) and control characters; not for
/// Tab, the arrows or Delete. The handler may set the code to 0 to discard the key or
/// to another code to enter that instead. A key that is not discarded lands in this box,
/// even when the handler has moved the focus elsewhere. Backspace with Ctrl or Alt is
/// the Backspace that KeyPress saw: it deletes one character, not a word. Text that an
/// input method commits (a compose sequence, an on-screen keyboard) is typed: each of its
/// characters raises KeyPress and lands as a key would.
///
/// The selection is counted in characters from 0, a multi-line box's line break as one.
class RUNTIME_EXPORT TextBox : public Control {
public:
    /// Whether the box holds one line or many.
    enum class Lines {
        Single,  ///< One line; every line break that reaches it becomes a space.
        Multi    ///< Many lines, wrapped at the box's width.
    };

    /// An empty box of one line or many.
    explicit TextBox(Lines lines = Lines::Single);
    ~TextBox() override;

    /// The text in the box; a multi-line box's lines are separated with CR LF.
    Text text() const;

    /// The text.
    Text shownText() const override { return text(); }
    /// Replaces the text in the box, raising no KeyPress; a one-line box makes each line
    /// break a space.
    void setText(const Text& text);

    /// Where the selection starts; the caret's place when nothing is selected.
    int selStart() const;
    /// Puts the caret at `start`, kept between 0 and the end of the text, and selects
    /// nothing.
    void setSelStart(int start);
    /// How many characters are selected; 0 for none.
    int selLength() const;
    /// Selects `length` characters from selStart(), or as many as there are up to the end.
    void setSelLength(int length);

private:
    void setDesignCaption(const Text& caption) override { setText(caption); }
    bool characterKey(const QKeyEvent& event) override;
    struct Editor;
    std::unique_ptr<Editor> editor_;
};

}  // namespace runtime
