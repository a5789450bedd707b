// Construction of the window and the wiring of its events to their handlers.

#include "window/kolvarenta.h"

#include "colour/keycodes.h"
#include "widgets/channelbox.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

Kolvarenta::Kolvarenta(Platform platform, QWidget *parent)
    : QMainWindow(parent)
    , platform(std::move(platform))
{
    setObjectName(QStringLiteral("kolvarenta"));
    setWindowTitle(QStringLiteral("ころもなてい"));
    createControls();
    createMenus();
    wireEvents();
    watchModifierKeys();
    setWindowState(Qt::WindowMaximized);
}

Kolvarenta::~Kolvarenta() = default;

void Kolvarenta::wireEvents()
{
    // Key-down and gets-the-focus of the channel boxes and the list go through eventFilter().
    for (const Channel channel : allChannels)
        box(channel)->installEventFilter(this);
    list1->installEventFilter(this);

    // A selection change is the list's click, whoever made it: mouse, keys or the program.
    connect(list1, &QListWidget::itemSelectionChanged, this, &Kolvarenta::list1Click);
    // stateChanged also fires when the program sets a different state, as a click would. Qt 6.7
    // renames it checkStateChanged and deprecates the old name; Debian 12 has Qt 6.4.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    constexpr auto stateChanged = &QCheckBox::checkStateChanged;
#else
    constexpr auto stateChanged = &QCheckBox::stateChanged;
#endif
    connect(check1, stateChanged, this, &Kolvarenta::check1Click);
    connect(check2, stateChanged, this, &Kolvarenta::check2Click);
    connect(command1, &QPushButton::clicked, this, &Kolvarenta::command1Click);
    connect(command2, &QPushButton::clicked, this, &Kolvarenta::command2Click);
}

// A focus announcement is for the focus moving between the window's controls. The focus coming
// back to the control that had it, from a menu or with the whole window (a message box closed,
// another window left), never left that control in the user's eyes; announcing it would talk
// over the command just chosen or what the screen reader is saying.
bool Kolvarenta::isNewFocus(QObject *control, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason)
            focusWhenWindowLeft = control;
        return false;
    }
    if (event->type() != QEvent::FocusIn)
        return false;
    const QObject *before = focusWhenWindowLeft;
    focusWhenWindowLeft = nullptr;
    switch (static_cast<QFocusEvent *>(event)->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    case Qt::ActiveWindowFocusReason:
        return control != before;
    default:
        return true;
    }
}

bool Kolvarenta::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this)
        return isAltForMenuBar(event);
    const bool keyDown = event->type() == QEvent::KeyPress;
    const bool focusIn = isNewFocus(watched, event);
    if (!keyDown && !focusIn)
        return QMainWindow::eventFilter(watched, event);

    if (watched == list1) {
        if (focusIn) {
            list1GotFocus();
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        return list1KeyDown(keyCodeOf(key->key()), shiftMaskOf(key->modifiers()));
    }
    for (const Channel channel : allChannels) {
        if (watched != box(channel))
            continue;
        if (focusIn) {
            channelGotFocus(channel);
        } else {
            const auto *key = static_cast<QKeyEvent *>(event);
            channelKeyDown(channel, keyCodeOf(key->key()), shiftMaskOf(key->modifiers()));
        }
        return false; // the key still reaches the box
    }
    return QMainWindow::eventFilter(watched, event);
}

// Every way of closing ends here; closing is never refused.
void Kolvarenta::closeEvent(QCloseEvent *event)
{
    if (!closed) {
        closed = true;
        shutDown();
    }
    event->accept();
}
