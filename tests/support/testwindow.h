#pragma once

// A window built on fakes in a temporary program folder, with its palette state and private
// operations opened up for the tests.

#include "app/kolvarenta.h"
#include "support/fakes.h"

#include <QByteArray>
#include <QTemporaryDir>

class ProbedWindow : public Kolvarenta
{
public:
    using Kolvarenta::Kolvarenta;

    using Kolvarenta::voiceobject;
    using Kolvarenta::colorcode;
    using Kolvarenta::redstring;
    using Kolvarenta::bluestring;
    using Kolvarenta::colorname;
    using Kolvarenta::folderpath;
    using Kolvarenta::backcolorcode;
    using Kolvarenta::backcolorname;
    using Kolvarenta::backredstring;
    using Kolvarenta::backgreenstring;
    using Kolvarenta::backbluestring;
    using Kolvarenta::tablenames;
    using Kolvarenta::tablecodes;
    using Kolvarenta::checkstate;
    using Kolvarenta::redvalue;
    using Kolvarenta::greenvalue;
    using Kolvarenta::bluevalue;
    using Kolvarenta::tablecount;
    using Kolvarenta::voiceon;
    using Kolvarenta::liston;
    using Kolvarenta::shapename;

    using Kolvarenta::reading;
    using Kolvarenta::colorshori;
    using Kolvarenta::colorhenkan;
    using Kolvarenta::mojiname;
    using Kolvarenta::colormatch;
    using Kolvarenta::juurokushinshori;
    using Kolvarenta::juurokushinchange;
    using Kolvarenta::listselectchange;
    using Kolvarenta::backcolormatch;
    using Kolvarenta::loadColourTable;
    using Kolvarenta::mnushapeClick;
    using Kolvarenta::TableLoad;

    using Kolvarenta::text1;
    using Kolvarenta::text2;
    using Kolvarenta::text3;
    using Kolvarenta::list1;
    using Kolvarenta::check1;
    using Kolvarenta::check2;
    using Kolvarenta::command1;
    using Kolvarenta::command2;
    using Kolvarenta::label1;
    using Kolvarenta::label2;
    using Kolvarenta::label3;
    using Kolvarenta::label4;
    using Kolvarenta::label5;
    using Kolvarenta::Shape1;
    using Kolvarenta::mnucolor;
};

// One test's program folder and the fakes the window was given.
class TestRig
{
public:
    TestRig();
    ~TestRig();

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QString filePath(const QString &name) const { return folder() + name; }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    // Writes a colour table from UTF-8 text, encoded in code page 932.
    void writeTable(const QString &utf8Text) const;

    // Builds the window on the fakes; start() also runs start-up.
    ProbedWindow &create();
    ProbedWindow &start();
    ProbedWindow &window() { return *win; }

    FakeMessageBox *messages = nullptr;
    FakeVoices *voices = nullptr;
    FakeOpener *opener = nullptr;
    FakeLauncher *launcher = nullptr;

private:
    QTemporaryDir dir;
    std::unique_ptr<ProbedWindow> win;
};

// Encodes UTF-8 text in code page 932.
QByteArray toCodePage932(const QString &text);
