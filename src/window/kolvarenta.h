#pragma once

// The main window of ころもなてい, and the only object of the program's own.
//
// Map of the code. The folders are layers; each uses only the ones below it:
//   src/window/    this window: one class, one file per area (below)
//   src/widgets/   ChannelBox (a channel box and its input limit) and Swatch (the swatch Shape1)
//   src/platform/  the seams to the operating system, which the constructor receives
//   src/palette/   PaletteState: the palette state's fields, mojiname, colormatch, backcolormatch,
//                  loading and searching the colour table. No widgets.
//   src/names/     what colours are called and how files look: the table file, codes, the
//                  settings files, nearest name, text rules, clipboard texts, shape names
//   src/colour/    numbers and colour science: number reading, notation, entry checks, key
//                  codes and steps, the input limit, CIELAB, description, contrast
// The window's areas:
//   kolvarenta.cpp        construction, event wiring, the key and focus filter
//   layout.cpp            the fourteen controls, their places and tab order
//   menus.cpp             the menu tree, built from one table
//   lifecycle.cpp         start-up, shut-down, the settings files, update and exit commands
//   channels.cpp          the channel boxes and labels of red, green and blue
//   channelentry.cpp      colorhenkan (validation and commit) and key stepping
//   inputmode.cpp         juurokushinchange and juurokushinshori (decimal/hexadecimal)
//   colourlist.cpp        list1: listselectchange, colorshori, list keys, list on/off
//   speech.cpp            reading, the one door to the speech object, and stopping it
//   modifierkeys.cpp      Ctrl or Shift alone stops the speech, Alt alone opens the menu bar
//   announcements.cpp     focus announcements and the read-aloud commands
//   focussetting.cpp      when the focus is announced: always, never, or without a screen reader
//   colourtaking.cpp      a colour from the clipboard or the screen; the colour as background
//   clipboardcommands.cpp, shapecommand.cpp, helpcommands.cpp   the other menu commands
//
// How a key press in a channel box reaches the swatch: eventFilter() sees the key-down of
// text1..3, maps it to a key code and shift mask (colour/keycodes.h) and calls channelKeyDown()
// with that box's channel; the step (colour/keystep.h) stores the new value in the palette state
// and runs colorhenkan(), which checks all three boxes (colour/channelcheck.h), has the palette
// state run mojiname(), fills Shape1, has it run colormatch() and writes label4. The key then
// goes on to the box.

#include "names/settingsfiles.h"
#include "palette/palettestate.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPointer>

class ChannelBox;
class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class Swatch;

class Kolvarenta : public QMainWindow
{
    Q_OBJECT

public:
    explicit Kolvarenta(Platform platform, QWidget *parent = nullptr);
    ~Kolvarenta() override;

    // Runs the start-up steps; the window is shown afterwards unless start-up closed it.
    void startUp();
    // True once the window has been closed and shut-down has run.
    bool isClosed() const { return closed; }

    // What the window knows, for reading only.
    const PaletteState &paletteState() const { return state; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    PaletteState state;
    std::unique_ptr<Voice> voiceobject;
    Platform platform;

    // ---- The nine private operations; mojiname, colormatch and backcolormatch are the palette
    // state's.
    void reading(QString svstring);
    void colorshori();
    void colorhenkan();
    void juurokushinshori();
    void juurokushinchange();
    void listselectchange();

    // ---- The controls, named as in the design.
    ChannelBox *text1 = nullptr;
    ChannelBox *text2 = nullptr;
    ChannelBox *text3 = nullptr;
    QListWidget *list1 = nullptr;
    QCheckBox *check1 = nullptr;
    QCheckBox *check2 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
    QLabel *label1 = nullptr;
    QLabel *label2 = nullptr;
    QLabel *label3 = nullptr;
    QLabel *label4 = nullptr;
    QLabel *label5 = nullptr;
    Swatch *Shape1 = nullptr;
    QMenu *mnucolor = nullptr;

    // The box and the caption of a channel (channels.cpp).
    ChannelBox *box(Channel channel) const;
    QLabel *label(Channel channel) const;
    bool isHexadecimalInput() const;

    // ---- Window and lifecycle (lifecycle.cpp).
    void restoreOptions();
    void restoreBackground();
    void shutDown();
    void command1Click();
    void command2Click();
    void mnukoushinClick();
    void mnuexitClick();
    void check2Click();

    // ---- Channel entry and input mode (channelentry.cpp, inputmode.cpp).
    void channelKeyDown(Channel channel, int keyCode, int shift);
    void check1Click();

    // ---- The colour list (colourlist.cpp).
    void list1Click();
    bool list1KeyDown(int keyCode, int shift); // true when the key is swallowed
    void mnulistonClick();
    void mnulistoffClick();

    // ---- Speech (speech.cpp, announcements.cpp, focussetting.cpp).
    void createVoiceObject();
    void stopSpeech();
    bool announcesFocus() const;
    void mnufocusalwaysClick();
    void mnufocusnoreaderClick();
    void mnufocusneverClick();
    void setFocusAnnouncement(FocusAnnouncement choice);
    QAction *focusChoice() const;
    void showFocusAnnouncement();
    void channelGotFocus(Channel channel);
    void list1GotFocus();
    void MnuredClick();
    void MnugreenClick();
    void MnublueClick();
    QString nameOrNone(const QString &name) const;
    void MnunameClick();
    QString nameAndCode() const;
    void mnuallClick();
    void mnubackredClick();
    void MnubackgreenClick();
    void MnubackblueClick();
    void MnubacknameClick();
    void mnubackallClick();
    QString backgroundNameAndCode() const;
    void mnukatachiyomiClick();
    void mnunearnameClick();
    void mnusetsumeiClick();
    void mnucontrastClick();

    // ---- Modifier keys pressed alone (modifierkeys.cpp).
    void watchModifierKeys();
    bool isAltForMenuBar(QEvent *event) const;
    void toggleMenuBarByAlt();

    // ---- Commands (clipboardcommands.cpp, shapecommand.cpp, helpcommands.cpp,
    // colourtaking.cpp).
    void mnucodeclipClick();
    void mnunameclipClick();
    void mnuallclipClick();
    void mnupastecolorClick();
    void mnupointercolorClick();
    void mnubacksetClick();
    void takeColour(QRgb colour, const QString &notice = {});
    void mnushapeClick(int index);
    void mnuhelpopenClick();
    void mnuverClick();
    void mnupageClick();

    // The window's background, behind the controls (layout.cpp).
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor &colour);

    void createControls();
    void createMenus();
    void addShapeItems(QMenu *submenu);
    void wireEvents();
    bool isNewFocus(QObject *control, QEvent *event);

    // The control that had the focus when the window last lost it to another window.
    QPointer<QObject> focusWhenWindowLeft;
    bool pickingColour = false; // the desktop's colour picker is open
    bool replayingAlt = false;  // the menu bar is being handed Alt alone
    FocusAnnouncement focusSetting = FocusAnnouncement::WithoutScreenReader;
    bool closed = false;
    // Set when a settings file was not loaded and must not be replaced at shut-down.
    bool keepCheckFile = false;
    bool keepBackColorFile = false;
    QByteArray backColorLine; // backcolor.dat's first line as read, written back unless changed
};
