// The colour list: its items, the keys that move through it, and applying an entry.

#include "widgets/channelbox.h"
#include "support/testwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

// Entry k is "c<k>" with a code whose red channel is k.
QString numberedTable(int count)
{
    QString text;
    for (int k = 1; k <= count; ++k)
        text += QStringLiteral("c%1,%2ff00\r\n").arg(k).arg(k, 2, 16, QLatin1Char('0'));
    return text;
}

int selectedRow(ProbedWindow &w)
{
    const auto rows = w.list1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void pressInList(ProbedWindow &w, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(w.list1, key, modifiers);
}

} // namespace

class TestColourList : public QObject
{
    Q_OBJECT

private slots:
    void itemsFollowTheTable();
    void navigationKeys_data();
    void navigationKeys();
    void edgesApplyNothing();
    void emptyListKeysDoNothing();
    void typedCharacterSelectsAnItem();
    void mouseClickAppliesTheEntry();
    void selectingAppliesTheEntry_data();
    void selectingAppliesTheEntry();
    void laterDuplicateShowsEarlierName();
    void hashCodeInHexadecimalModeIsRejected();
    void eachKeyAppliesOnce();
    void channelEntryLeavesSelection();
    void switchingOffAndOn();
};

void TestColourList::itemsFollowTheTable()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("first,000001\r\nnote without comma\r\n second ,000002\r\n,000003"));
    auto &w = rig.start();
    QCOMPARE(w.list1->count(), 3);
    QCOMPARE(w.list1->item(0)->text(), QStringLiteral("1\u3000first"));
    QCOMPARE(w.list1->item(1)->text(), QStringLiteral("2\u3000second"));
    QCOMPARE(w.list1->item(2)->text(), QStringLiteral("3\u3000"));
    QCOMPARE(selectedRow(w), -1);
    QVERIFY(w.list1->isVisibleTo(&w.window) && w.list1->isEnabled());
    QVERIFY(w.label5->isVisibleTo(&w.window));
}

void TestColourList::navigationKeys_data()
{
    QTest::addColumn<int>("from"); // selected row before the key, -1 for none
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("PageDown from 1st to 11th") << 0 << int(Qt::Key_PageDown) << none << 10;
    QTest::newRow("PageDown from 9th to 19th") << 8 << int(Qt::Key_PageDown) << none << 18;
    QTest::newRow("PageDown from 10th to 20th") << 9 << int(Qt::Key_PageDown) << none << 19;
    QTest::newRow("PageDown from 11th to last") << 10 << int(Qt::Key_PageDown) << none << 19;
    QTest::newRow("PageDown with none to 10th") << -1 << int(Qt::Key_PageDown) << none << 9;
    QTest::newRow("PageUp from 12th to 2nd") << 11 << int(Qt::Key_PageUp) << none << 1;
    QTest::newRow("PageUp from 11th to 1st") << 10 << int(Qt::Key_PageUp) << none << 0;
    QTest::newRow("PageUp from 9th to 1st") << 8 << int(Qt::Key_PageUp) << none << 0;
    QTest::newRow("Shift+PageDown to last") << 2 << int(Qt::Key_PageDown) << shift << 19;
    QTest::newRow("Shift+PageUp to first") << 15 << int(Qt::Key_PageUp) << shift << 0;
    QTest::newRow("Ctrl+Shift+PageDown pages") << 2 << int(Qt::Key_PageDown) << ctrlShift << 12;
    QTest::newRow("Ctrl+Shift+PageUp pages") << 15 << int(Qt::Key_PageUp) << ctrlShift << 5;
    QTest::newRow("Down") << 4 << int(Qt::Key_Down) << none << 5;
    QTest::newRow("Down with none to first") << -1 << int(Qt::Key_Down) << none << 0;
    QTest::newRow("Up") << 4 << int(Qt::Key_Up) << none << 3;
    QTest::newRow("Up with none stays") << -1 << int(Qt::Key_Up) << none << -1;
    QTest::newRow("Home") << 7 << int(Qt::Key_Home) << none << 0;
    QTest::newRow("End") << 7 << int(Qt::Key_End) << none << 19;
    QTest::newRow("End with none") << -1 << int(Qt::Key_End) << none << 19;
    QTest::newRow("Left stays") << 7 << int(Qt::Key_Left) << none << 7;
    QTest::newRow("Right stays") << 7 << int(Qt::Key_Right) << none << 7;
}

void TestColourList::navigationKeys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);

    TestRig rig;
    rig.writeTable(numberedTable(20));
    auto &w = rig.start();
    if (from >= 0)
        w.list1->setCurrentRow(from);
    QCOMPARE(selectedRow(w), from);
    pressInList(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(selectedRow(w), to);
    if (to >= 0)
        QCOMPARE(w.state().redvalue, qint16(to + 1)); // the entry's colour is applied
}

void TestColourList::edgesApplyNothing()
{
    TestRig rig;
    rig.writeTable(numberedTable(3));
    auto &w = rig.start();
    w.list1->setCurrentRow(2);
    QCOMPARE(w.state().redvalue, qint16(3));
    w.text1->setText("bad"); // any run of the validation would now show a message
    pressInList(w, Qt::Key_Down);
    QCOMPARE(selectedRow(w), 2);
    w.list1->setCurrentRow(0);
    rig.messages->shown.clear();
    w.text1->setText("bad");
    pressInList(w, Qt::Key_Up);
    QCOMPARE(selectedRow(w), 0);
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestColourList::emptyListKeysDoNothing()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("no entries here\r\n"));
    auto &w = rig.start();
    w.text1->setText("bad");
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown,
                        Qt::Key_Down, Qt::Key_Up}) {
        pressInList(w, key);
        pressInList(w, key, Qt::ShiftModifier);
    }
    QCOMPARE(selectedRow(w), -1);
    QVERIFY(rig.messages->shown.isEmpty());
    QCOMPARE(w.text1->text(), QStringLiteral("bad"));
}

void TestColourList::typedCharacterSelectsAnItem()
{
    TestRig rig;
    rig.writeTable(numberedTable(12));
    auto &w = rig.start();
    w.list1->setCurrentRow(0);
    QTest::keyClicks(w.list1, "1");
    QCOMPARE(selectedRow(w), 9); // "10　c10", the next item starting with 1
    QCOMPARE(w.state().redvalue, qint16(10));
}

void TestColourList::mouseClickAppliesTheEntry()
{
    TestRig rig;
    rig.writeTable(numberedTable(5));
    auto &w = rig.start();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QRect itemArea = w.list1->visualItemRect(w.list1->item(3));
    QTest::mouseClick(w.list1->viewport(), Qt::LeftButton, {}, itemArea.center());
    QCOMPARE(selectedRow(w), 3);
    QCOMPARE(w.state().redvalue, qint16(4));
    QCOMPARE(w.label4->text(), QStringLiteral("c4\u300004ff00"));
}

void TestColourList::selectingAppliesTheEntry_data()
{
    QTest::addColumn<bool>("hexadecimal");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("label");

    QTest::newRow("decimal") << false << "0A0B0C" << QStringList{"10", "11", "12"}
                             << "entry\u30000a0b0c";
    QTest::newRow("hexadecimal") << true << "0a0b0c" << QStringList{"0A", "0B", "0C"}
                                 << "entry\u30000a0b0c";
    QTest::newRow("second comma: first six characters, no name")
        << false << "0a0b0c,more" << QStringList{"10", "11", "12"} << "0a0b0c";
    QTest::newRow("hash prefix in decimal: red reads 0")
        << false << "#0a0b0c" << QStringList{"0", "160", "176"} << "00a0b0";
    QTest::newRow("short code in decimal") << false << "ff" << QStringList{"255", "0", "0"}
                                           << "ff0000";
}

void TestColourList::selectingAppliesTheEntry()
{
    QFETCH(bool, hexadecimal);
    QFETCH(QString, code);
    QFETCH(QStringList, boxes);
    QFETCH(QString, label);

    TestRig rig;
    rig.writeTable(QStringLiteral("entry,%1\r\n").arg(code));
    auto &w = rig.start();
    if (hexadecimal)
        w.check1->click();
    w.list1->setCurrentRow(0);
    QCOMPARE((QStringList{w.text1->text(), w.text2->text(), w.text3->text()}), boxes);
    QCOMPARE(w.label4->text(), label);
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestColourList::laterDuplicateShowsEarlierName()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("early,123456\r\nlate,123456\r\n"));
    auto &w = rig.start();
    w.list1->setCurrentRow(1);
    QCOMPARE(w.state().colorname, QStringLiteral("early\u3000"));
    QCOMPARE(w.label4->text(), QStringLiteral("early\u3000123456"));
}

void TestColourList::hashCodeInHexadecimalModeIsRejected()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("hash,#0a0b0c\r\nshort,0a0b\r\n"));
    auto &w = rig.start();
    w.check1->click();
    w.list1->setCurrentRow(0);
    QCOMPARE(rig.messages->texts(),
             (QStringList{"赤の文字入力で不正な文字が入力されています", "#"}));
    QCOMPARE(w.label4->text(), QStringLiteral("00FF00")); // the display keeps the colour

    rig.messages->shown.clear();
    w.list1->setCurrentRow(1);
    QCOMPARE(rig.messages->texts(), QStringList{"青の文字数が少ないです。二桁で入れて下さい"});
}

void TestColourList::eachKeyAppliesOnce()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("hash,#0a0b0c\r\nother,#0a0b0d\r\n"));
    auto &w = rig.start();
    w.check1->click();
    pressInList(w, Qt::Key_Down); // moves to the first entry
    QCOMPARE(rig.messages->shown.size(), 2);
    rig.messages->shown.clear();
    pressInList(w, Qt::Key_Home); // already there: applied by the key itself
    QCOMPARE(rig.messages->shown.size(), 2);
}

void TestColourList::channelEntryLeavesSelection()
{
    TestRig rig;
    rig.writeTable(numberedTable(5));
    auto &w = rig.start();
    w.list1->setCurrentRow(3);
    w.text1->setText("1");
    w.text2->setText("255");
    w.text3->setText("0");
    w.choose("mnukoushin");
    QCOMPARE(w.state().colorname, QStringLiteral("c1\u3000"));
    QCOMPARE(selectedRow(w), 3);
}

void TestColourList::switchingOffAndOn()
{
    TestRig rig;
    rig.writeTable(numberedTable(4));
    auto &w = rig.start();
    auto *on = w.window.findChild<QAction *>("mnuliston");
    auto *off = w.window.findChild<QAction *>("mnulistoff");

    on->trigger(); // already on: no duplicated items
    QCOMPARE(w.list1->count(), 4);

    w.list1->setCurrentRow(2);
    const QString code = w.state().colorcode;
    w.text1->setText("bad"); // emptying the list must not validate
    off->trigger();
    QCOMPARE(w.state().liston, qint16(0));
    QCOMPARE(w.list1->count(), 0);
    QVERIFY(!w.list1->isVisibleTo(&w.window) && !w.list1->isEnabled());
    QVERIFY(!w.label5->isVisibleTo(&w.window) && !w.label5->isEnabled());
    QVERIFY(rig.messages->shown.isEmpty());
    QCOMPARE(w.state().colorcode, code);
    off->trigger();
    QCOMPARE(w.state().liston, qint16(0));

    on->trigger();
    QCOMPARE(w.state().liston, qint16(-1));
    QCOMPARE(w.list1->count(), 4);
    QCOMPARE(w.list1->item(3)->text(), QStringLiteral("4\u3000c4"));
    QCOMPARE(selectedRow(w), -1);
    QVERIFY(w.list1->isVisibleTo(&w.window) && w.label5->isVisibleTo(&w.window));
}

QTEST_MAIN(TestColourList)
#include "tst_colourlist.moc"
