// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/keyevents_p.h"

#include "runtime/forms/input.h"

namespace runtime::detail {

std::int16_t keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return KeyCode::function(key - Qt::Key_F1 + 1);
    switch (key) {
    case Qt::Key_Backspace: return KeyCode::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyCode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Return;
    case Qt::Key_Shift: return KeyCode::Shift;
    case Qt::Key_Control: return KeyCode::Ctrl;
    case Qt::Key_Alt: return KeyCode::Alt;
    case Qt::Key_Escape: return KeyCode::Escape;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Insert: return KeyCode::Insert;
    case Qt::Key_Delete: return KeyCode::Delete;
    default: return 0;
    }
}

std::int16_t characterCodeOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return KeyCode::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Return;
    case Qt::Key_Escape: return KeyCode::Escape;
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
    if (code == KeyCode::Backspace)
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    if (code == KeyCode::Return)
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    const QChar character(static_cast<char16_t>(code));
    return QKeyEvent(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier, QString(character));
}

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftState::Shift;
    if (modifiers & Qt::ControlModifier)
        state |= ShiftState::Ctrl;
    if (modifiers & Qt::AltModifier)
        state |= ShiftState::Alt;
    return state;
}

std::int16_t mouseButtonsOf(Qt::MouseButtons buttons)
{
    std::int16_t held = 0;
    if (buttons & Qt::LeftButton)
        held |= MouseButton::Left;
    if (buttons & Qt::RightButton)
        held |= MouseButton::Right;
    if (buttons & Qt::MiddleButton)
        held |= MouseButton::Middle;
    return held;
}

}  // namespace runtime::detail
