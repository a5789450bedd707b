// The near-name, description and contrast commands of the read-aloud menu, run through the
// window by their keys: the exact texts, one reading each, nothing changed, and silence without
// speech.

#include "support/testwindow.h"

#include "widgets/channelbox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

const QString table = QStringLiteral("桜色（さくらいろ）,ffdbed\r\n"
                                     "あか,ff0000\r\n"
                                     "*aqua（アクア）,00ffff\r\n"
                                     "あかの二つ目,ff0000\r\n"
                                     "名無し,12345\r\n");

const QKeyCombination nearNameKey(Qt::SHIFT, Qt::Key_F4);
const QKeyCombination descriptionKey(Qt::SHIFT, Qt::Key_F5);
const QKeyCombination contrastKey(Qt::CTRL, Qt::Key_F6);

ProbedWindow &shownWindow(TestRig &rig, bool withSpeech = true)
{
    rig.withSpeech = withSpeech;
    return rig.startShown();
}

// Commits a colour as typing it and pressing F8 would.
void commitColour(ProbedWindow &window, QRgb colour)
{
    window.text1->setText(QString::number(qRed(colour)));
    window.text2->setText(QString::number(qGreen(colour)));
    window.text3->setText(QString::number(qBlue(colour)));
    window.choose("mnukoushin");
}

// Presses a key in whichever control has the focus.
void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

} // namespace

class TestColourCommands : public QObject
{
    Q_OBJECT

private slots:
    void nearName_data();
    void nearName();
    void nearNameWithoutNamedColours_data();
    void nearNameWithoutNamedColours();
    void description_data();
    void description();
    void describesTheCommittedColourNotTheTyping();
    void contrastWithTheBackground_data();
    void contrastWithTheBackground();
    void commandsChangeNothing();
    void silentWithoutSpeech();
};

void TestColourCommands::nearName_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("exact hit: the name alone") << qRgb(0xff, 0xdb, 0xed) << "桜色（さくらいろ）";
    QTest::newRow("near: name and difference")
            << qRgb(0xff, 0xd0, 0xe0) << "桜色（さくらいろ）に近い色\u3000色差3.7";
    QTest::newRow("repeated code: the lower entry") << qRgb(0xff, 0x00, 0x00) << "あか";
    QTest::newRow("web keyword: star removed") << qRgb(0x00, 0xff, 0xff) << "aqua（アクア）";
}

void TestColourCommands::nearName()
{
    QFETCH(QRgb, colour);
    QFETCH(QString, spoken);
    TestRig rig;
    rig.writeTable(table);
    auto &window = shownWindow(rig);
    commitColour(window, colour);
    rig.voices->calls.clear();

    press(nearNameKey);
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

void TestColourCommands::nearNameWithoutNamedColours_data()
{
    QTest::addColumn<QString>("tableText");
    QTest::newRow("empty table") << "";
    QTest::newRow("no usable entry") << "名無し,ff00\r\n,ff0000\r\n*,00ff00\r\n";
}

void TestColourCommands::nearNameWithoutNamedColours()
{
    QFETCH(QString, tableText);
    TestRig rig;
    rig.writeTable(tableText);
    shownWindow(rig);

    press(nearNameKey);
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(QStringLiteral("名前のある色がありません")));
}

void TestColourCommands::description_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("start colour, pure green") << qRgb(0x00, 0xff, 0x00) << "あざやかな緑";
    QTest::newRow("navy") << qRgb(0x00, 0x00, 0x80) << "ごく暗い青";
    QTest::newRow("grey") << qRgb(0x80, 0x80, 0x80) << "中位の灰色";
}

void TestColourCommands::description()
{
    QFETCH(QRgb, colour);
    QFETCH(QString, spoken);
    TestRig rig;
    rig.writeTable(table);
    auto &window = shownWindow(rig);
    if (colour != qRgb(0x00, 0xff, 0x00))
        commitColour(window, colour);
    rig.voices->calls.clear();

    press(descriptionKey);
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

// Text typed but not yet committed is not the current colour; the swatch's colour is.
void TestColourCommands::describesTheCommittedColourNotTheTyping()
{
    TestRig rig;
    rig.writeTable(table);
    auto &window = shownWindow(rig);
    commitColour(window, qRgb(0xff, 0x00, 0x00));
    window.text1->setText(QStringLiteral("0"));
    window.text3->setText(QStringLiteral("255"));
    rig.voices->calls.clear();

    press(descriptionKey);
    press(nearNameKey);
    QCOMPARE(rig.voices->spoken(), QStringList({"あざやかな赤", "あか"}));
}

void TestColourCommands::contrastWithTheBackground_data()
{
    QTest::addColumn<QByteArray>("backColorFile"); // empty: no file, the design background
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QString>("spoken");

    const QString prefix = QStringLiteral("背景とのコントラスト比");
    QTest::newRow("777777 on white") << QByteArray("FFFFFF\r\n") << qRgb(0x77, 0x77, 0x77)
                                     << prefix + "4.4対1\u3000大きな文字のみAA適合";
    QTest::newRow("white on black") << QByteArray("0\r\n") << qRgb(0xff, 0xff, 0xff)
                                    << prefix + "21.0対1\u3000AAA適合";
    // The file's digits run blue, green, red: FF0000 is a blue background.
    QTest::newRow("blue on blue") << QByteArray("FF0000\r\n") << qRgb(0x00, 0x00, 0xff)
                                  << prefix + "1.0対1\u3000不適合";
    QTest::newRow("black on the design background")
            << QByteArray() << qRgb(0x00, 0x00, 0x00) << prefix + "18.4対1\u3000AAA適合";
}

void TestColourCommands::contrastWithTheBackground()
{
    QFETCH(QByteArray, backColorFile);
    QFETCH(QRgb, colour);
    QFETCH(QString, spoken);
    TestRig rig;
    rig.writeTable(table);
    if (!backColorFile.isEmpty())
        rig.writeFile(QStringLiteral("backcolor.dat"), backColorFile);
    auto &window = shownWindow(rig);
    commitColour(window, colour);
    rig.voices->calls.clear();

    press(contrastKey);
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

void TestColourCommands::commandsChangeNothing()
{
    TestRig rig;
    rig.writeTable(table);
    auto &window = shownWindow(rig);
    window.window.findChild<QAction *>(QStringLiteral("mnuliston"))->trigger();
    commitColour(window, qRgb(0xff, 0xd0, 0xe0));
    window.text2->setText(QStringLiteral("9x")); // typed, not committed
    window.text1->setFocus();
    auto snapshot = [&window] {
        const PaletteState &state = window.state();
        return QStringList{state.colorcode, state.colorname, state.redstring, state.greenstring,
                           state.bluestring, QString::number(state.redvalue),
                           QString::number(state.greenvalue), QString::number(state.bluevalue),
                           window.label4->text(), window.text1->text(), window.text2->text(),
                           window.text3->text(), QString::number(window.list1->currentRow()),
                           state.backcolorcode, state.shapename,
                           QString::number(state.checkstate[1]), QString::number(state.tablecount),
                           QApplication::focusWidget()->objectName()};
    };
    const QStringList before = snapshot();
    rig.voices->calls.clear();

    press(nearNameKey);
    press(descriptionKey);
    press(contrastKey);
    QCOMPARE(rig.voices->spoken().size(), 3);
    QCOMPARE(snapshot(), before);
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestColourCommands::silentWithoutSpeech()
{
    TestRig rig;
    rig.writeTable(table);
    auto &window = shownWindow(rig, false);

    press(nearNameKey);
    press(descriptionKey);
    press(contrastKey);
    for (const char *name : {"mnunearname", "mnusetsumei", "mnucontrast"})
        window.window.findChild<QAction *>(QLatin1String(name))->trigger();
    QVERIFY(rig.voices->calls.isEmpty());
    QVERIFY(rig.messages->shown.isEmpty());
}

QTEST_MAIN(TestColourCommands)
#include "tst_colourcommands.moc"
