#pragma once

// The main window of ころもなてい, and the only object of the program's own.
//
// Map of the code. One class, defined across one file per area:
//   src/app/kolvarenta.cpp       construction, event wiring, the key and focus filter
//   src/app/layout.cpp           the fourteen controls, their places and tab order
//   src/app/menus.cpp            the menu tree, built from one table
//   src/app/lifecycle.cpp        start-up, shut-down, the settings files, update and exit commands
//                                (the file formats themselves: src/app/settingsfiles.h)
//   src/colour/channelentry.cpp  colorhenkan (validation and commit) and key stepping
//   src/colour/inputmode.cpp     juurokushinchange and juurokushinshori (decimal/hexadecimal)
//   src/names/namelookup.cpp     table loading, mojiname, colormatch, backcolormatch
//   src/names/colourlist.cpp     list1: listselectchange, colorshori, list keys, list on/off
//   src/speech/reading.cpp       reading, the one door to the speech object
//   src/speech/announcements.cpp focus announcements and the read-aloud commands
//   src/commands/*.cpp           clipboard, swatch shape, manual, version and web page
// Rules without widgets sit beside them as plain functions: src/colour/numberreading.h (how a
// box's text reads as a number), src/names/colourtable.h (the table file), src/names/textrules.h,
// src/names/nearestname.h, src/colour/colourdescription.h and src/colour/contrast.h (what the
// near-name, description and contrast commands say).
// src/platform/ holds the seams to the operating system, which the constructor receives.
//
// How a key press in a channel box reaches the swatch: eventFilter() sees the key-down of
// text1..3, maps it to a key code and shift mask and calls channelKeyDown() with that box's row
// of the channel table; the step stores the new value and runs colorhenkan(), which validates all
// three boxes, runs mojiname(), fills Shape1, runs colormatch() and writes label4. The key then
// goes on to the box.

#include "app/slotarray.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>

class ChannelBox;
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

    // The only public field of the palette state.
    QString greenstring;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // ---- Palette state. Protected, not private, so tests can look at it through a subclass.
    std::unique_ptr<Voice> voiceobject;
    QString colorcode;
    QString redstring;
    QString bluestring;
    QString colorname;
    QString folderpath;
    QString backcolorcode;
    QString backcolorname;
    QString backredstring;
    QString backgreenstring;
    QString backbluestring;
    SlotArray<QString, 500> tablenames;
    SlotArray<QString, 500> tablecodes;
    SlotArray<qint16, 2> checkstate;
    qint16 redvalue = 0;
    qint16 greenvalue = 0;
    qint16 bluevalue = 0;
    qint16 tablecount = 0;
    qint16 voiceon = 0;
    qint16 liston = 0;
    QString shapename;

    // ---- The nine private operations.
    void reading(QString svstring);
    void colorshori();
    void colorhenkan();
    void mojiname();
    void colormatch();
    void juurokushinshori();
    void juurokushinchange();
    void listselectchange();
    void backcolormatch();

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

    // The three channels follow one set of rules; this table holds what differs between them.
    struct Channel
    {
        ChannelBox *Kolvarenta::*box;
        qint16 Kolvarenta::*value;
        QString Kolvarenta::*text;
        QLabel *Kolvarenta::*label;
        const char *kanji;   // 赤, 緑, 青: the hexadecimal messages
        const char *english; // red, green, blue: the decimal messages
        bool showsBadCharacter; // a bad hexadecimal character is also shown alone (red only)
    };
    static const std::array<Channel, 3> channels;

    // ---- Window and lifecycle (src/app/lifecycle.cpp).
    void restoreOptions();
    void restoreBackground();
    void shutDown();
    void command1Click();
    void command2Click();
    void mnukoushinClick();
    void mnuexitClick();
    void check2Click();

    // ---- Channel entry and input mode (src/colour/).
    void channelKeyDown(const Channel &channel, int keyCode, int shift);
    void check1Click();

    // ---- Colour table and list (src/names/).
    enum class TableLoad { Missing, Loaded, Failed };
    TableLoad loadColourTable();
    int findTableEntry(const QString &code) const;
    void list1Click();
    bool list1KeyDown(int keyCode, int shift); // true when the key is swallowed
    void mnulistonClick();
    void mnulistoffClick();

    // ---- Speech (src/speech/).
    void createVoiceObject();
    void channelGotFocus(const Channel &channel);
    void list1GotFocus();
    void MnuredClick();
    void MnugreenClick();
    void MnublueClick();
    void MnunameClick();
    void mnuallClick();
    void mnubackredClick();
    void MnubackgreenClick();
    void MnubackblueClick();
    void MnubacknameClick();
    void mnubackallClick();
    void mnukatachiyomiClick();
    void mnunearnameClick();
    void mnusetsumeiClick();
    void mnucontrastClick();

    // ---- Commands (src/commands/).
    void mnucodeclipClick();
    void mnunameclipClick();
    void mnuallclipClick();
    void mnushapeClick(int index);
    void mnuhelpopenClick();
    void mnuverClick();
    void mnupageClick();

    Platform platform;

    // The window's background, behind the controls (src/app/layout.cpp).
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor &colour);

private:
    void createControls();
    void createMenus();
    void wireEvents();

    bool closed = false;
    // Set when a settings file was not loaded and must not be replaced at shut-down.
    bool keepCheckFile = false;
    bool keepBackColorFile = false;
};
