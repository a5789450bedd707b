#include "colour/keycodes.h"

int keyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    default: return 0;
    }
}

int shiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask += ShiftMask::Shift;
    if (modifiers & Qt::ControlModifier)
        mask += ShiftMask::Ctrl;
    if (modifiers & Qt::AltModifier)
        mask += ShiftMask::Alt;
    return mask;
}
