#include "runtime/forms/textbox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

namespace runtime {
namespace {

constexpr std::int16_t backspaceCode = 8;
constexpr std::int16_t enterCode = 13;
constexpr std::int16_t escapeCode = 27;

// The character code of a key press, or 0 for keys that raise no KeyPress.
std::int16_t characterCodeOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return backspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter: return enterCode;
    case Qt::Key_Escape: return escapeCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;
    default: break;
    }
    if (event.text().isEmpty())
        return 0;
    return static_cast<std::int16_t>(event.text().front().unicode());
}

QKeyEvent keyEventFor(std::int16_t code)
{
    if (code == backspaceCode)
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    if (code == enterCode)
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    const QChar character(static_cast<char16_t>(code));
    return QKeyEvent(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier, QString(character));
}

}  // namespace

// Hands each key press to KeyPress before the editor sees it.
struct TextBox::Editor : QObject {
    TextBox& box;
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    bool redelivering = false;

    Editor(TextBox& box, QWidget* widget) : box(box)
    {
        line = qobject_cast<QLineEdit*>(widget);
        plain = qobject_cast<QPlainTextEdit*>(widget);
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || redelivering || watched != box.widget())
            return false;
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const std::int16_t pressed = characterCodeOf(*keyEvent);
        if (pressed == 0)
            return false;
        std::int16_t code = pressed;
        box.KeyPress.raise(code);
        if (code == pressed)
            return false;
        if (code != 0 && box.widget()) {
            QKeyEvent replacement = keyEventFor(code);
            redelivering = true;
            QCoreApplication::sendEvent(box.widget(), &replacement);
            redelivering = false;
        }
        return true;
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
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return editor;
}

TextBox::TextBox(Lines lines) : Control(makeEditor(lines)), editor_(std::make_unique<Editor>(*this, widget())) {}

TextBox::~TextBox() = default;

Text TextBox::text() const
{
    if (editor_->line)
        return editor_->line->text();
    Text text = editor_->plain->toPlainText();
    return text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
}

void TextBox::setText(const Text& text)
{
    if (editor_->line) {
        editor_->line->setText(text);
        return;
    }
    Text plain = text;
    editor_->plain->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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
