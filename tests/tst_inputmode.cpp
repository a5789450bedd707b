// The decimal and hexadecimal input mode: switching check1 carries the boxes over, and
// juurokushinshori writes the stored colour in the current notation.

#include "window/checkboxstate.h"
#include "widgets/swatch.h"
#include "widgets/channelbox.h"
#include "support/testwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QList<ChannelBox *> boxes(ProbedWindow &w)
{
    return {w.text1, w.text2, w.text3};
}

} // namespace

class TestInputMode : public QObject
{
    Q_OBJECT

private slots:
    void switchingCarriesTheBoxesOver_data();
    void switchingCarriesTheBoxesOver();
    void hexadecimalTextsBecomeDecimal_data();
    void hexadecimalTextsBecomeDecimal();
    void limitFollowsTheMode();
    void switchingStoresNothing();
    void tooLongConversionIsReportedNotCut();
    void greyedIsDecimal();
    void storedColourIsWrittenInTheMode();
};

void TestInputMode::switchingCarriesTheBoxesOver_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hexadecimal");
    QTest::addColumn<QString>("decimalAgain");

    QTest::newRow("255") << "255" << "FF" << "255";
    QTest::newRow("0") << "0" << "00" << "0";
    QTest::newRow("10") << "10" << "0A" << "10";
    QTest::newRow("empty") << "" << "00" << "0";
    QTest::newRow("1e2") << "1e2" << "64" << "100";
    QTest::newRow("2.5 to even") << "2.5" << "02" << "2";
    QTest::newRow("256 keeps three characters") << "256" << "100" << "256";
    QTest::newRow("not a number") << "abc" << "00" << "0";
    QTest::newRow("negative") << "-99" << "00" << "0";
    QTest::newRow("5e3 keeps all its digits") << "5e3" << "1388" << "5000";
    QTest::newRow("9e9 beyond 32 bits, no wrap") << "9e9" << "218711A00" << "9000000000";
}

// All three boxes hold the same text, so the row also shows that every channel is carried over.
void TestInputMode::switchingCarriesTheBoxesOver()
{
    QFETCH(QString, decimal);
    QFETCH(QString, hexadecimal);
    QFETCH(QString, decimalAgain);

    TestRig rig;
    ProbedWindow &w = rig.start();
    for (ChannelBox *box : boxes(w))
        typeInto(box, decimal);

    w.check1->click();
    for (ChannelBox *box : boxes(w))
        QCOMPARE(box->text(), hexadecimal);
    QCOMPARE(w.state().checkstate[1], qint16(1));

    w.check1->click();
    for (ChannelBox *box : boxes(w))
        QCOMPARE(box->text(), decimalAgain);
    QCOMPARE(w.state().checkstate[1], qint16(0));
    QCOMPARE(rig.messages->texts(), QStringList());
}

void TestInputMode::hexadecimalTextsBecomeDecimal_data()
{
    QTest::addColumn<QString>("hexadecimal");
    QTest::addColumn<QString>("decimal");

    QTest::newRow("ff") << "ff" << "255";
    QTest::newRow("0a") << "0a" << "10";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("1g stops at g") << "1g" << "1";
    QTest::newRow("zz has no digit") << "zz" << "0";
}

void TestInputMode::hexadecimalTextsBecomeDecimal()
{
    QFETCH(QString, hexadecimal);
    QFETCH(QString, decimal);

    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    typeInto(w.text2, hexadecimal);
    w.check1->click();
    QCOMPARE(w.text2->text(), decimal);
}

void TestInputMode::limitFollowsTheMode()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    w.check1->click();
    for (ChannelBox *box : boxes(w)) {
        typeInto(box, QStringLiteral("abc"));
        QCOMPARE(box->text(), QStringLiteral("ab"));
    }
    w.check1->click();
    for (ChannelBox *box : boxes(w)) {
        typeInto(box, QStringLiteral("1234"));
        QCOMPARE(box->text(), QStringLiteral("123"));
    }
}

// A typed but unchecked 200 is shown as C8; the colour validated last stays current.
void TestInputMode::switchingStoresNothing()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    typeInto(w.text1, QStringLiteral("200"));
    w.check1->click();

    QCOMPARE(w.text1->text(), QStringLiteral("C8"));
    QCOMPARE(int(w.state().redvalue), 0);
    QCOMPARE(w.state().redstring, QStringLiteral("00"));
    QCOMPARE(w.label4->text(), QStringLiteral("00FF00"));
    QCOMPARE(w.Shape1->fillColor(), QColor(0, 255, 0));
}

void TestInputMode::tooLongConversionIsReportedNotCut()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    typeInto(w.text3, QStringLiteral("256"));
    w.check1->click();
    QCOMPARE(w.text3->text(), QStringLiteral("100"));

    w.choose("mnukoushin");
    QCOMPARE(rig.messages->texts(),
             QStringList{QStringLiteral("青の文字数が多すぎます。二桁で入れて下さい")});
    QCOMPARE(w.text3->text(), QStringLiteral("100"));
    QCOMPARE(int(w.state().bluevalue), 0);
}

// Off and greyed are both decimal, so changing between them leaves the boxes as they are.
void TestInputMode::greyedIsDecimal()
{
    TestRig rig;
    ProbedWindow &w = rig.start();
    typeInto(w.text1, QStringLiteral("255"));

    setCheckBoxState(w.check1, 2);
    QCOMPARE(w.state().checkstate[1], qint16(2));
    QCOMPARE(w.text1->text(), QStringLiteral("255"));
    QCOMPARE(w.text1->maxInputLength(), 3);

    setCheckBoxState(w.check1, 1);
    QCOMPARE(w.text1->text(), QStringLiteral("FF"));
    setCheckBoxState(w.check1, 2);
    QCOMPARE(w.state().checkstate[1], qint16(2));
    QCOMPARE(w.text1->text(), QStringLiteral("255"));

    setCheckBoxState(w.check1, 0);
    QCOMPARE(w.state().checkstate[1], qint16(0));
    QCOMPARE(w.text1->text(), QStringLiteral("255"));
}

// A colour chosen in the list is written into the boxes in the mode they are in.
void TestInputMode::storedColourIsWrittenInTheMode()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("x,0aab00\r\ny,ffffff\r\n"));
    ProbedWindow &w = rig.start();

    w.list1->setCurrentRow(0);
    QCOMPARE(w.text1->text(), QStringLiteral("10"));
    QCOMPARE(w.text2->text(), QStringLiteral("171"));
    QCOMPARE(w.text3->text(), QStringLiteral("0"));

    w.list1->setCurrentRow(1);
    setCheckBoxState(w.check1, 1);
    w.list1->setCurrentRow(0);
    QCOMPARE(w.text1->text(), QStringLiteral("0A"));
    QCOMPARE(w.text2->text(), QStringLiteral("AB"));
    QCOMPARE(w.text3->text(), QStringLiteral("00"));
    QCOMPARE(w.label4->text(), QStringLiteral("x\u30000aab00"));
}

QTEST_MAIN(TestInputMode)
#include "tst_inputmode.moc"
