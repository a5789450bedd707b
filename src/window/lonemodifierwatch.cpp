#include "window/lonemodifierwatch.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// The modifier a key is, when it is pressed with no other modifier held.
Qt::KeyboardModifier modifierOf(int key)
{
    switch (key) {
    case Qt::Key_Control: return Qt::ControlModifier;
    case Qt::Key_Shift: return Qt::ShiftModifier;
    case Qt::Key_Alt: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

} // namespace

LoneModifierWatch::LoneModifierWatch(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool LoneModifierWatch::eventFilter(QObject *watched, QEvent *event)
{
    // The windowing system delivers to a window; the same event then travels on to the widgets,
    // and the bridge's copies arrive as events of the program's own.
    if (!event->spontaneous() || !watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        keyPressed(static_cast<QKeyEvent *>(event), static_cast<QWindow *>(watched));
        break;
    case QEvent::KeyRelease: keyReleased(static_cast<QKeyEvent *>(event)); break;
    case QEvent::MouseButtonPress: held = 0; break;
    default: break;
    }
    return false;
}

void LoneModifierWatch::keyPressed(const QKeyEvent *key, QWindow *window)
{
    // The bridge installs its filter anew whenever a screen reader's listeners change, which puts
    // it in front; here, with the key just pressed, the watch goes in front again, so that it
    // sees the key's release before the bridge holds it back.
    qApp->installEventFilter(this);
    if (key->isAutoRepeat())
        return;
    const Qt::KeyboardModifier modifier = modifierOf(key->key());
    const bool alone
        = modifier != Qt::NoModifier && (key->modifiers() & ~Qt::KeypadModifier) == modifier;
    held = alone ? key->key() : 0;
    heldIn = window;
}

void LoneModifierWatch::keyReleased(const QKeyEvent *key)
{
    if (key->isAutoRepeat())
        return;
    // Any other key let go in between counts too: it was held down while the modifier was.
    const int released = key->key();
    const bool alone = held != 0 && released == held;
    held = 0;
    if (alone)
        emit pressedAlone(released, heldIn);
}
