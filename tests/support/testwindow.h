#pragma once

// A window built on fakes in a temporary program folder, and a probe that sees it from outside:
// its controls found by their object names, as a screen reader finds them, and its palette state
// for reading.

#include "support/fakes.h"
#include "window/kolvarenta.h"

#include <QByteArray>
#include <QTemporaryDir>

class ChannelBox;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class Swatch;

class ProbedWindow
{
public:
    explicit ProbedWindow(Platform platform);

    Kolvarenta window;
    const PaletteState &state() const { return window.paletteState(); }

    // Chooses a menu item by its object name, as its shortcut or a click would.
    void choose(const char *item);

    ChannelBox *text1;
    ChannelBox *text2;
    ChannelBox *text3;
    QListWidget *list1;
    QCheckBox *check1;
    QCheckBox *check2;
    QPushButton *command1;
    QPushButton *command2;
    QLabel *label1;
    QLabel *label2;
    QLabel *label3;
    QLabel *label4;
    QLabel *label5;
    Swatch *Shape1;
    QMenu *mnucolor;
};

// One test's program folder and the fakes the window was given.
class TestRig
{
public:
    TestRig();
    ~TestRig();

    // The program folder: the temporary folder, or the subfolder useSubfolder() made in it.
    QString folder() const { return programFolder + QLatin1Char('/'); }
    void useSubfolder(const QString &name);
    QString filePath(const QString &name) const { return folder() + name; }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    // Writes a colour table from UTF-8 text, encoded in code page 932.
    void writeTable(const QString &utf8Text) const;

    // Builds the window on the fakes; start() also runs start-up, and startShown() then shows it,
    // waits until it is active, puts the focus in the red box and forgets what was said so far.
    ProbedWindow &create();
    ProbedWindow &start();
    ProbedWindow &startShown();
    ProbedWindow &window() { return *win; }

    // Set before create(): Qt's own modal message boxes instead of the recording fake; no speech.
    bool realMessageBoxes = false;
    bool withSpeech = true;
    FakeMessageBox *messages = nullptr;
    FakeVoices *voices = nullptr;
    FakeOpener *opener = nullptr;
    FakeLauncher *launcher = nullptr;
    FakeScreen *screen = nullptr;
    FakeScreenReader *screenReader = nullptr;

private:
    QTemporaryDir dir;
    QString programFolder = dir.path();
    std::unique_ptr<ProbedWindow> win;
};

// Encodes UTF-8 text in code page 932.
QByteArray toCodePage932(const QString &text);
