// Ctrl, Shift and Alt pressed alone: the first two stop the program's speech, Alt opens and
// closes the menu bar. Both are decided in the order the user pressed the keys (see
// LoneModifierWatch), not in the order a screen reader's bridge hands the key events on.

#include "window/kolvarenta.h"
#include "window/lonemodifierwatch.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

void Kolvarenta::watchModifierKeys()
{
    auto *watch = new LoneModifierWatch(this);
    connect(watch, &LoneModifierWatch::pressedAlone, this, [this](int key, QWindow *window) {
        if (key == Qt::Key_Alt) {
            // As Qt has it, Alt opens the bar only where the window itself has the keys, not in an
            // open menu or a message box.
            if (window && window == windowHandle())
                toggleMenuBarByAlt();
        } else {
            stopSpeech();
        }
    });
    // The menu bar's own Alt handling reads the key events as they come, which beside a screen
    // reader is out of order; this filter, installed after the bar's, keeps Alt from it.
    installEventFilter(this);
}

// Alt's press as the windowing system announces it, before its key event; the bar takes it as
// the start of "Alt alone" (only the replay below gets through).
bool Kolvarenta::isAltForMenuBar(QEvent *event) const
{
    return !replayingAlt && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt;
}

// Hands the menu bar Alt's press and release, with nothing between, as it expects them when Alt
// is pressed alone: it opens with its first menu chosen, or closes when it was open.
void Kolvarenta::toggleMenuBarByAlt()
{
    replayingAlt = true;
    // Made, as the windowing system makes them, with the modifiers held before the key; a key
    // event of a modifier key reports them as they are after it.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &release);
    replayingAlt = false;
}
