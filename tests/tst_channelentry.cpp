// Committing the channel boxes (colorhenkan) and stepping a channel by key, on the real window.

#include "colour/keycodes.h"
#include "widgets/swatch.h"
#include "widgets/channelbox.h"
#include "colour/channelcheck.h"
#include "colour/keystep.h"
#include "support/testwindow.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {

const QString redTooFew = QStringLiteral("赤の文字数が少ないです。二桁で入れて下さい");
const QString greenTooFew = QStringLiteral("緑の文字数が少ないです。二桁で入れて下さい");
const QString blueTooMany = QStringLiteral("青の文字数が多すぎます。二桁で入れて下さい");
const QString redBadCharacter = QStringLiteral("赤の文字入力で不正な文字が入力されています");
const QString greenBadCharacter = QStringLiteral("緑の文字入力で不正な文字が入力されています");
const QString blueBadCharacter = QStringLiteral("青の文字入力で不正な文字が入力されています");
const QString redNotANumber = QStringLiteral("redの値が数字ではありません");
const QString greenAboveRange = QStringLiteral("greenの値を255以下にして下さい");
const QString blueNotANumber = QStringLiteral("blueの値が数字ではありません");
const QString redBelowRange = QStringLiteral("redの値を0以上にして下さい");
const QString greenBelowRange = QStringLiteral("greenの値を0以上にして下さい");

// Replaces what the box holds by typing, as a user would: ASCII by keys, anything else
// committed by an input method, as from a Japanese one.
void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        QTest::keyClicks(box, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
    }
}

void typeAll(ProbedWindow &w, const QString &red, const QString &green, const QString &blue)
{
    typeInto(w.text1, red);
    typeInto(w.text2, green);
    typeInto(w.text3, blue);
}

QStringList boxTexts(ProbedWindow &w)
{
    return {w.text1->text(), w.text2->text(), w.text3->text()};
}

QList<int> storedValues(ProbedWindow &w)
{
    return {w.state().redvalue, w.state().greenvalue, w.state().bluevalue};
}

} // namespace

class TestChannelEntry : public QObject
{
    Q_OBJECT

private slots:
    void entryChecks_data();
    void entryChecks();
    void hexadecimalEntryIsStoredAndRewritten_data();
    void hexadecimalEntryIsStoredAndRewritten();
    void hexadecimalFaultsAreReported_data();
    void hexadecimalFaultsAreReported();
    void hexadecimalFailureKeepsEarlierChannelsAndTheDisplay();
    void decimalEntryIsStoredAndLeftInTheBox_data();
    void decimalEntryIsStoredAndLeftInTheBox();
    void decimalFaultsStoreNothing_data();
    void decimalFaultsStoreNothing();
    void labelShowsTheTableNameBeforeTheCode();
    void everyChannelValueCanBeTyped();
    void stepTable_data();
    void stepTable();
    void stepKeysInTheBox_data();
    void stepKeysInTheBox();
    void stepReplacesATypedValue();
    void hexadecimalStepIsRewrittenOnceItPasses();
    void hexadecimalStepBeforeARedFault();
};

void TestChannelEntry::entryChecks_data()
{
    QTest::addColumn<bool>("hexadecimal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("badCharacter");

    const int none = int(EntryFault::None);
    const int bad = int(EntryFault::BadCharacter);
    QTest::newRow("hex ff") << true << "ff" << none << 255 << "";
    QTest::newRow("hex 0a") << true << "0a" << none << 10 << "";
    QTest::newRow("hex empty") << true << "" << int(EntryFault::TooFewCharacters) << 0 << "";
    QTest::newRow("hex fff") << true << "fff" << int(EntryFault::TooManyCharacters) << 0 << "";
    QTest::newRow("hex first character bad") << true << "g1" << bad << 0 << "g";
    QTest::newRow("hex second character bad") << true << "1g" << bad << 0 << "g";
    QTest::newRow("hex capitals are not digits") << true << "Fa" << bad << 0 << "F";
    QTest::newRow("hex full-width digit") << true << QStringLiteral("1２") << bad << 0
                                          << QStringLiteral("２");
    QTest::newRow("decimal 255") << false << "255" << none << 255 << "";
    QTest::newRow("decimal 254.5 to even") << false << "254.5" << none << 254 << "";
    QTest::newRow("decimal 255.4 compared before rounding")
        << false << "255.4" << int(EntryFault::AboveRange) << 0 << "";
    QTest::newRow("decimal -0.4 compared before rounding")
        << false << "-0.4" << int(EntryFault::BelowRange) << 0 << "";
    QTest::newRow("decimal -0") << false << "-0" << none << 0 << "";
    QTest::newRow("decimal beyond a double") << false << "1e309"
                                             << int(EntryFault::NotANumber) << 0 << "";
    QTest::newRow("decimal grouping comma passes, reading stops at it")
        << false << "1,0" << none << 1 << "";
}

void TestChannelEntry::entryChecks()
{
    QFETCH(bool, hexadecimal);
    QFETCH(QString, text);
    QFETCH(int, fault);
    QFETCH(int, value);
    QFETCH(QString, badCharacter);

    const ChannelEntry entry = hexadecimal ? checkHexadecimalEntry(text) : checkDecimalEntry(text);
    QCOMPARE(int(entry.fault), fault);
    if (entry.fault == EntryFault::None)
        QCOMPARE(int(entry.value), value);
    QCOMPARE(entry.badCharacter.isNull() ? QString() : QString(entry.badCharacter), badCharacter);
}

void TestChannelEntry::hexadecimalEntryIsStoredAndRewritten_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("code");

    QTest::newRow("ff 00 0a") << QStringList{"ff", "00", "0a"} << QStringList{"FF", "00", "0A"}
                              << QList<int>{255, 0, 10} << "ff000a";
    QTest::newRow("capitals typed") << QStringList{"Ab", "C0", "dE"}
                                    << QStringList{"AB", "C0", "DE"} << QList<int>{171, 192, 222}
                                    << "abc0de";
}

void TestChannelEntry::hexadecimalEntryIsStoredAndRewritten()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, values);
    QFETCH(QString, code);

    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    typeAll(w, typed[0], typed[1], typed[2]);
    w.choose("mnukoushin");

    QCOMPARE(rig.messages->texts(), QStringList());
    QCOMPARE(boxTexts(w), shown);
    QCOMPARE(storedValues(w), values);
    QCOMPARE(w.label4->text(), code);
    QCOMPARE(w.Shape1->fillColor(), QColor(values[0], values[1], values[2]));
}

void TestChannelEntry::hexadecimalFaultsAreReported_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("empty red") << QStringList{"", "00", "00"} << QStringList{redTooFew};
    QTest::newRow("one character in green") << QStringList{"00", "f", "00"}
                                            << QStringList{greenTooFew};
    QTest::newRow("blanks trimmed to one character")
        << QStringList{"00", QStringLiteral("\u3000f "), "00"} << QStringList{greenTooFew};
    QTest::newRow("three characters in blue") << QStringList{"00", "00", "fff"}
                                              << QStringList{blueTooMany};
    QTest::newRow("g1 in red shows the character") << QStringList{"g1", "00", "00"}
                                                   << QStringList{redBadCharacter, "g"};
    QTest::newRow("second character in red, lower-cased") << QStringList{"1G", "00", "00"}
                                                          << QStringList{redBadCharacter, "g"};
    QTest::newRow("g1 in green shows no character") << QStringList{"00", "g1", "00"}
                                                    << QStringList{greenBadCharacter};
    QTest::newRow("full-width digits in blue") << QStringList{"00", "00", QStringLiteral("１２")}
                                               << QStringList{blueBadCharacter};
    QTest::newRow("tab is not trimmed") << QStringList{"\tf", "00", "00"}
                                        << QStringList{redBadCharacter, "\t"};
    QTest::newRow("first fault only") << QStringList{"0", "zz", "fff"}
                                      << QStringList{redTooFew};
}

// The texts are written by the program, so three characters can stand in a box as after a
// change of mode.
void TestChannelEntry::hexadecimalFaultsAreReported()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, messages);

    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    w.text1->replaceText(texts[0]);
    w.text2->replaceText(texts[1]);
    w.text3->replaceText(texts[2]);
    w.choose("mnukoushin");

    QCOMPARE(rig.messages->texts(), messages);
    for (const auto &shown : rig.messages->shown)
        QCOMPARE(shown.title, QString());
}

void TestChannelEntry::hexadecimalFailureKeepsEarlierChannelsAndTheDisplay()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    const QString label = w.label4->text();
    const QColor swatch = w.Shape1->fillColor();

    typeAll(w, "ab", "zz", "cd");
    w.choose("mnukoushin");

    QCOMPARE(rig.messages->texts(), (QStringList{greenBadCharacter}));
    QCOMPARE(boxTexts(w), (QStringList{"AB", "zz", "cd"}));
    QCOMPARE(storedValues(w), (QList<int>{171, 255, 0}));
    QCOMPARE(w.label4->text(), label);
    QCOMPARE(w.Shape1->fillColor(), swatch);
    QCOMPARE(w.state().colorcode, QStringLiteral("00FF00"));
}

void TestChannelEntry::decimalEntryIsStoredAndLeftInTheBox_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("255, 1e2 and 2.5") << QStringList{"255", "1e2", "2.5"}
                                      << QStringList{"255", "1e2", "2.5"}
                                      << QList<int>{255, 100, 2};
    QTest::newRow("ties to even") << QStringList{"3.5", ".5", "0.5"}
                                  << QStringList{"3.5", ".5", "0.5"} << QList<int>{4, 0, 0};
    QTest::newRow("trimmed and lower-cased") << QStringList{" 12", QStringLiteral("1E2"), "7 "}
                                             << QStringList{"12", "1e2", "7"}
                                             << QList<int>{12, 100, 7};
    QTest::newRow("hexadecimal and signed forms") << QStringList{"&hf", "+10", "-0"}
                                                  << QStringList{"&hf", "+10", "-0"}
                                                  << QList<int>{15, 10, 0};
}

void TestChannelEntry::decimalEntryIsStoredAndLeftInTheBox()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, values);

    TestRig rig;
    ProbedWindow &w = rig.start();
    typeAll(w, typed[0], typed[1], typed[2]);
    w.choose("mnukoushin");

    QCOMPARE(rig.messages->texts(), QStringList());
    QCOMPARE(boxTexts(w), shown);
    QCOMPARE(storedValues(w), values);
    const QString code = QStringLiteral("%1%2%3")
                             .arg(values[0], 2, 16, QLatin1Char('0'))
                             .arg(values[1], 2, 16, QLatin1Char('0'))
                             .arg(values[2], 2, 16, QLatin1Char('0'));
    QCOMPARE(w.label4->text(), code);
    QCOMPARE(w.Shape1->fillColor(), QColor(values[0], values[1], values[2]));
}

void TestChannelEntry::decimalFaultsStoreNothing_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("empty red") << QStringList{"", "1", "1"} << QStringList{redNotANumber};
    QTest::newRow("256 in green") << QStringList{"1", "256", "1"} << QStringList{greenAboveRange};
    QTest::newRow("exponent above 255") << QStringList{"1", "3e2", "1"}
                                        << QStringList{greenAboveRange};
    QTest::newRow("letters in blue") << QStringList{"1", "1", "abc"}
                                     << QStringList{blueNotANumber};
    QTest::newRow("negative red") << QStringList{"-1", "1", "1"} << QStringList{redBelowRange};
    QTest::newRow("just below 0") << QStringList{"1", "-.4", "1"}
                                  << QStringList{greenBelowRange};
    QTest::newRow("non-number red before 300 green") << QStringList{"x", "300", "1"}
                                                     << QStringList{redNotANumber};
    QTest::newRow("valid red, negative green, 300 blue") << QStringList{"9", "-5", "300"}
                                                         << QStringList{greenBelowRange};
    QTest::newRow("full-width digits") << QStringList{QStringLiteral("１２"), "1", "1"}
                                       << QStringList{redNotANumber};
}

// A decimal failure stores nothing, so no negative or oversized value reaches the colour code.
void TestChannelEntry::decimalFaultsStoreNothing()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);

    TestRig rig;
    ProbedWindow &w = rig.start();
    typeAll(w, typed[0], typed[1], typed[2]);
    w.choose("mnukoushin");

    QCOMPARE(rig.messages->texts(), messages);
    QCOMPARE(storedValues(w), (QList<int>{0, 255, 0}));
    QCOMPARE(w.state().colorcode, QStringLiteral("00FF00"));
    QCOMPARE(w.label4->text(), QStringLiteral("00FF00"));
    QCOMPARE(boxTexts(w), typed);
}

void TestChannelEntry::labelShowsTheTableNameBeforeTheCode()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("赤,FF0000\r\n"));
    ProbedWindow &w = rig.start();

    typeAll(w, "255", "0", "0");
    w.choose("mnukoushin");
    QCOMPARE(w.label4->text(), QStringLiteral("赤\u3000ff0000"));

    typeAll(w, "255", "0", "1");
    w.choose("mnukoushin");
    QCOMPARE(w.label4->text(), QStringLiteral("ff0001"));
}

// Every value of every channel can be typed in both modes and becomes the current colour.
void TestChannelEntry::everyChannelValueCanBeTyped()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    for (const bool hexadecimal : {false, true}) {
        if (hexadecimal)
            w.check1->click();
        for (ChannelBox *box : {w.text1, w.text2, w.text3}) {
            typeAll(w, hexadecimal ? "00" : "0", hexadecimal ? "00" : "0",
                    hexadecimal ? "00" : "0");
            for (int value = 0; value <= 255; ++value) {
                typeInto(box, hexadecimal ? QString::number(value, 16).rightJustified(2, '0')
                                          : QString::number(value));
                w.choose("mnukoushin");
                const QColor expected(box == w.text1 ? value : 0, box == w.text2 ? value : 0,
                                      box == w.text3 ? value : 0);
                QCOMPARE(w.Shape1->fillColor(), expected);
                QCOMPARE(w.label4->text(), expected.name().mid(1));
            }
        }
    }
    QCOMPARE(rig.messages->texts(), QStringList());
}

void TestChannelEntry::stepTable_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("stepped"); // -1: no effect

    using namespace KeyCode;
    using namespace ShiftMask;
    QTest::newRow("Down at 0") << 0 << Down << 0 << 1;
    QTest::newRow("Down at 254") << 254 << Down << 0 << 255;
    QTest::newRow("Down at 255") << 255 << Down << 0 << -1;
    QTest::newRow("Shift+Down at 255") << 255 << Down << Shift << -1;
    QTest::newRow("Up at 1") << 1 << Up << 0 << 0;
    QTest::newRow("Up at 0") << 0 << Up << 0 << -1;
    QTest::newRow("Ctrl+Up at 0") << 0 << Up << Ctrl << -1;
    QTest::newRow("Page Down at 245") << 245 << PageDown << 0 << 255;
    QTest::newRow("Page Down at 246") << 246 << PageDown << 0 << -1;
    QTest::newRow("Page Up at 10") << 10 << PageUp << 0 << 0;
    QTest::newRow("Page Up at 9") << 9 << PageUp << 0 << -1;
    QTest::newRow("Shift+Page Down at 255") << 255 << PageDown << Shift << 255;
    QTest::newRow("Shift+Page Down at 0") << 0 << PageDown << Shift << 255;
    QTest::newRow("Shift+Page Up at 0") << 0 << PageUp << Shift << 0;
    QTest::newRow("Shift+Page Up at 255") << 255 << PageUp << Shift << 0;
    QTest::newRow("Ctrl+Shift+Page Down at 100") << 100 << PageDown << Shift + Ctrl << 110;
    QTest::newRow("Ctrl+Shift+Page Down at 250") << 250 << PageDown << Shift + Ctrl << -1;
    QTest::newRow("Alt+Shift+Page Up at 100") << 100 << PageUp << Shift + Alt << 90;
    QTest::newRow("Alt+Shift+Page Up at 5") << 5 << PageUp << Shift + Alt << -1;
    QTest::newRow("Home") << 100 << Home << 0 << -1;
    QTest::newRow("Right") << 100 << Right << 0 << -1;
    QTest::newRow("a letter") << 100 << 0 << 0 << -1;
}

void TestChannelEntry::stepTable()
{
    QFETCH(int, value);
    QFETCH(int, key);
    QFETCH(int, shift);
    QFETCH(int, stepped);
    QCOMPARE(steppedValue(value, key, shift).value_or(-1), stepped);
}

void TestChannelEntry::stepKeysInTheBox_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("stepped"); // -1: no effect

    QTest::newRow("Down at 255") << 255 << int(Qt::Key_Down) << 0 << -1;
    QTest::newRow("Up at 0") << 0 << int(Qt::Key_Up) << 0 << -1;
    QTest::newRow("Page Down at 246") << 246 << int(Qt::Key_PageDown) << 0 << -1;
    QTest::newRow("Page Up at 9") << 9 << int(Qt::Key_PageUp) << 0 << -1;
    QTest::newRow("Down at 7") << 7 << int(Qt::Key_Down) << 0 << 8;
    QTest::newRow("Page Down at 245") << 245 << int(Qt::Key_PageDown) << 0 << 255;
    QTest::newRow("Shift+Page Down at 255") << 255 << int(Qt::Key_PageDown)
                                            << int(Qt::ShiftModifier) << 255;
    QTest::newRow("Ctrl+Shift+Page Down at 100")
        << 100 << int(Qt::Key_PageDown) << int(Qt::ShiftModifier | Qt::ControlModifier) << 110;
    QTest::newRow("Shift+Page Up at 100") << 100 << int(Qt::Key_PageUp)
                                          << int(Qt::ShiftModifier) << 0;
}

// Blue holds an unchecked non-number, so a message shows whether the step ran colorhenkan.
void TestChannelEntry::stepKeysInTheBox()
{
    QFETCH(int, value);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, stepped);

    TestRig rig;
    ProbedWindow &w = rig.start();
    typeAll(w, "0", QString::number(value), "0");
    w.choose("mnukoushin");
    typeInto(w.text3, "abc");
    const QString label = w.label4->text();

    QTest::keyClick(w.text2, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    if (stepped < 0) {
        QCOMPARE(rig.messages->texts(), QStringList());
        QCOMPARE(int(w.state().greenvalue), value);
        QCOMPARE(w.text2->text(), QString::number(value));
    } else {
        QCOMPARE(rig.messages->texts(), QStringList{blueNotANumber});
        QCOMPARE(int(w.state().greenvalue), stepped);
        QCOMPARE(w.text2->text(), QString::number(stepped));
    }
    QCOMPARE(w.label4->text(), label);
}

void TestChannelEntry::stepReplacesATypedValue()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    typeAll(w, "100", "0", "0");
    w.choose("mnukoushin");
    typeInto(w.text1, "200");

    QTest::keyClick(w.text1, Qt::Key_Down);

    QCOMPARE(w.text1->text(), QStringLiteral("101"));
    QCOMPARE(int(w.state().redvalue), 101);
    QCOMPARE(w.label4->text(), QStringLiteral("650000"));
    QCOMPARE(rig.messages->texts(), QStringList());
}

// Green passes before blue fails, so the step is rewritten in upper case but not shown.
void TestChannelEntry::hexadecimalStepIsRewrittenOnceItPasses()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    typeAll(w, "00", "0a", "00");
    w.choose("mnukoushin");
    w.text3->replaceText(QStringLiteral("q0"));
    QTest::keyClick(w.text2, Qt::Key_Down);
    QCOMPARE(w.text2->text(), QStringLiteral("0B"));
    QCOMPARE(rig.messages->texts(), QStringList{blueBadCharacter});
    QCOMPARE(w.label4->text(), QStringLiteral("000a00"));

    typeInto(w.text3, "00");
    QTest::keyClick(w.text2, Qt::Key_Down);
    QCOMPARE(w.text2->text(), QStringLiteral("0C"));
    QCOMPARE(w.label4->text(), QStringLiteral("000c00"));
}

void TestChannelEntry::hexadecimalStepBeforeARedFault()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    typeAll(w, "00", "0a", "00");
    w.choose("mnukoushin");
    const QString label = w.label4->text();
    typeInto(w.text1, "zz");

    QTest::keyClick(w.text2, Qt::Key_Down);

    QCOMPARE(w.text2->text(), QStringLiteral("0b"));
    QCOMPARE(int(w.state().greenvalue), 11);
    QCOMPARE(rig.messages->texts(), (QStringList{redBadCharacter, "z"}));
    QCOMPARE(w.label4->text(), label);
    QCOMPARE(w.Shape1->fillColor(), QColor(0, 10, 0));
}

QTEST_MAIN(TestChannelEntry)
#include "tst_channelentry.moc"
