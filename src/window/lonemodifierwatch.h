#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWindow;

// Tells when Ctrl, Shift or Alt was pressed and released with no other key and no mouse button
// in between, in the order the user pressed the keys.
//
// Beside a screen reader that order is not the order of Qt's key events. Qt's accessibility
// bridge holds every key press and release that reaches the program until the screen reader has
// seen it, and then posts a copy; a shortcut such as Shift+F5 is matched before that, as its key
// arrives. So Shift+F5's command runs first, and Shift's own press and release come afterwards,
// with no other key between them. What keeps the user's order is what the windowing system
// delivers to the window: the shortcut-override event that comes with every key press before
// anything else sees the key, and the key releases before the bridge holds them. The watch reads
// those alone, and the posted copies not at all.
class LoneModifierWatch : public QObject {
    Q_OBJECT

public:
    explicit LoneModifierWatch(QObject *parent = nullptr);

signals:
    // key is Qt::Key_Control, Qt::Key_Shift or Qt::Key_Alt; window is where it was pressed.
    void pressedAlone(int key, QWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keyPressed(const QKeyEvent *key, QWindow *window);
    void keyReleased(const QKeyEvent *key);

    int held = 0; // the modifier pressed last, while nothing else has been pressed since
    QPointer<QWindow> heldIn;
};
