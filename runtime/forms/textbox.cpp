// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/textbox.h"

#include "runtime/forms/input.h"
#include "runtime/forms/keyevents_p.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace runtime {
namespace {

// Backspace with Ctrl or Alt deletes a whole word or line in the toolkit's editors, more
// than the one Backspace that KeyPress reports.
bool deletesMoreThanOneCharacter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Backspace && (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Turns every line break into one space, CR LF pairs included, keeping the caret where
// it was in the text.
class OneLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        position = static_cast<int>(joined(input.left(position)).size());
        input = joined(input);
        return Acceptable;
    }

private:
    static QString joined(QString text)
    {
        return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    }
};

// A multi-line box's document separates its lines with paragraph separators.
constexpr QChar documentLineBreak = QChar::ParagraphSeparator;

}  // namespace

// Hands each key press to KeyPress before the editor sees it, and types what an input
// method commits one character at a time.
struct TextBox::Editor : QObject {
    TextBox& box;
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    bool redelivering = false;
    // A multi-line box's text as last set, and its document's text right after: while
    // the document still holds exactly that, the box reads back the text as it was set,
    // lone CR, lone LF and all, which the document can only hold as line breaks.
    Text setText;
    Text documentOfSetText;

    Editor(TextBox& box, QWidget* widget) : box(box)
    {
        line = qobject_cast<QLineEdit*>(widget);
        plain = qobject_cast<QPlainTextEdit*>(widget);
        if (line)
            line->setValidator(new OneLine(line));
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (redelivering || watched != box.widget())
            return false;
        if (event->type() == QEvent::InputMethod)
            return inputMethodCommitted(*static_cast<QInputMethodEvent*>(event));
        return false;
    }

    bool keyPressed(const QKeyEvent& event)
    {
        const std::int16_t pressed = detail::characterCodeOf(event);
        if (pressed == 0)
            return false;
        std::int16_t code = pressed;
        box.KeyPress.raise(code);
        if (code == pressed && !deletesMoreThanOneCharacter(event))
            return false;
        enter(code);
        return true;
    }

    // Types the committed characters one by one, then hands on the rest of the event:
    // the text it replaces, and the pre-edit text still being composed.
    bool inputMethodCommitted(const QInputMethodEvent& event)
    {
        if (event.commitString().isEmpty())
            return false;
        if (event.replacementLength() != 0) {
            QInputMethodEvent removal;
            removal.setCommitString({}, event.replacementStart(), event.replacementLength());
            deliver(removal);
        }
        for (const QChar character : event.commitString()) {
            std::int16_t code = static_cast<std::int16_t>(character.unicode());
            box.KeyPress.raise(code);
            commit(code);
        }
        QInputMethodEvent preedit(event.preeditString(), event.attributes());
        deliver(preedit);
        return true;
    }

    // Enters one committed character as the input method would, one at a time so that
    // each KeyPress sees the text its predecessors left; Backspace and Enter as keys.
    void commit(std::int16_t code)
    {
        if (code == 0 || code == KeyCode::Backspace || code == KeyCode::Return)
            return enter(code);
        QInputMethodEvent committed;
        committed.setCommitString(QString(QChar(static_cast<char16_t>(code))));
        deliver(committed);
    }

    // Enters a character code into the box as a plain key; 0 enters nothing.
    void enter(std::int16_t code)
    {
        if (code == 0)
            return;
        QKeyEvent key = detail::keyEventFor(code);
        deliver(key);
    }

    void deliver(QEvent& event)
    {
        if (!box.widget())
            return;
        redelivering = true;
        box.deliverUnraised(event);
        redelivering = false;
    }

    QTextCursor cursor() const { return plain->textCursor(); }
};

static QWidget* makeEditor(TextBox::Lines lines)
{
    if (lines == TextBox::Lines::Single)
        return new QLineEdit;
    auto* editor = new QPlainTextEdit;
    editor->setTabChangesFocus(true);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return editor;
}

TextBox::TextBox(Lines lines) : Control(makeEditor(lines)), editor_(std::make_unique<Editor>(*this, widget())) {}

TextBox::~TextBox() = default;

bool TextBox::characterKey(const QKeyEvent& event)
{
    return editor_->keyPressed(event);
}

Text TextBox::text() const
{
    if (editor_->line)
        return editor_->line->text();
    Text shown = editor_->plain->document()->toRawText();
    if (shown == editor_->documentOfSetText)
        return editor_->setText;
    return shown.replace(documentLineBreak, QStringLiteral("\r\n"));
}

void TextBox::setText(const Text& text)
{
    if (editor_->line) {
        editor_->line->setText(text);
        return;
    }
    editor_->plain->setPlainText(text);
    editor_->setText = text;
    editor_->documentOfSetText = editor_->plain->document()->toRawText();
}

int TextBox::selStart() const
{
    if (editor_->line)
        return editor_->line->hasSelectedText() ? editor_->line->selectionStart() : editor_->line->cursorPosition();
    return editor_->cursor().selectionStart();
}

void TextBox::setSelStart(int start)
{
    start = std::clamp(start, 0, static_cast<int>(editor_->line ? editor_->line->text().size()
                                                                : editor_->plain->toPlainText().size()));
    if (editor_->line) {
        editor_->line->setCursorPosition(start);
        return;
    }
    QTextCursor cursor = editor_->cursor();
    cursor.setPosition(start);
    editor_->plain->setTextCursor(cursor);
}

int TextBox::selLength() const
{
    if (editor_->line)
        return static_cast<int>(editor_->line->selectedText().size());
    return editor_->cursor().selectionEnd() - editor_->cursor().selectionStart();
}

void TextBox::setSelLength(int length)
{
    const int start = selStart();
    if (editor_->line) {
        const int available = static_cast<int>(editor_->line->text().size()) - start;
        editor_->line->setSelection(start, std::clamp(length, 0, available));
        return;
    }
    QTextCursor cursor = editor_->cursor();
    const int available = static_cast<int>(editor_->plain->toPlainText().size()) - start;
    cursor.setPosition(start);
    cursor.setPosition(start + std::clamp(length, 0, available), QTextCursor::KeepAnchor);
    editor_->plain->setTextCursor(cursor);
}

}  // namespace runtime
