// The input limit of a channel box: typing and pasting stop at it, program writes are cut to
// it, and lowering it leaves the text in the box whole.

#include "widgets/channelbox.h"
#include "colour/inputlimit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

Q_DECLARE_METATYPE(Selection)

class TestChannelBox : public QObject
{
    Q_OBJECT

private slots:
    void limitOnOneEdit_data();
    void limitOnOneEdit();
    void typingStopsAtTheLimit();
    void pasteIsCutToTheRoomLeft();
    void pasteIntoAFullBoxIsRefused();
    void pasteIsCutWhereItWasPut_data();
    void pasteIsCutWhereItWasPut();
    void programWritesAreCut();
    void loweringTheLimitKeepsTheText();
    void overlongTextCanBeShortenedButNotLengthened();
    void replacingAnOverlongTextStartsAfresh();
    void unchangedWriteKeepsTheCursor();
};

void TestChannelBox::limitOnOneEdit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<Selection>("selected");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursorKept");

    const auto at = [](int start, int length = 0) { return Selection{start, length}; };
    QTest::newRow("within the limit") << "1" << at(1) << "12" << 2 << 3 << "12" << 2;
    QTest::newRow("typed beyond the limit") << "123" << at(3) << "1234" << 4 << 3 << "123" << 3;
    QTest::newRow("typed in the middle of a full box") << "123" << at(1) << "1923" << 2 << 3
                                                       << "123" << 1;
    QTest::newRow("paste cut to the room left") << "1" << at(1) << "12345" << 5 << 3 << "123" << 3;
    QTest::newRow("paste in the middle cut") << "15" << at(1) << "12345" << 4 << 3 << "125" << 2;
    QTest::newRow("paste over a selection cut") << "12" << at(1, 1) << "1345" << 4 << 2 << "13"
                                                << 2;
    QTest::newRow("repeated character typed") << "11" << at(2) << "111" << 3 << 2 << "11" << 2;
    QTest::newRow("deleting from an overlong text") << "1388" << at(3) << "138" << 3 << 2
                                                    << "138" << 3;
    QTest::newRow("typing over a character of an overlong text")
        << "1388" << at(3, 1) << "1389" << 4 << 2 << "1388" << 4;
    QTest::newRow("typing over a selection of an overlong text")
        << "1388" << at(2, 2) << "139" << 3 << 2 << "1388" << 4;
    QTest::newRow("overlong text replaced whole") << "1388" << at(0, 4) << "7" << 1 << 2 << "7"
                                                  << 1;
    QTest::newRow("unchanged overlong text") << "1388" << at(4) << "1388" << 4 << 2 << "1388" << 4;
    QTest::newRow("paste over most of an overlong text, sharing its first digit")
        << "1388" << at(0, 3) << "1A8" << 2 << 2 << "18" << 1;
    QTest::newRow("the same paste not sharing it") << "1388" << at(0, 3) << "2A8" << 2 << 2
                                                   << "28" << 1;
    QTest::newRow("character of two code units is not split")
        << "1" << at(1) << QStringLiteral("1\U0001F600") << 3 << 2 << "1" << 1;
    QTest::newRow("paste repeating its neighbours is cut at the cursor")
        << "12" << at(1) << "1252" << 3 << 3 << "122" << 2;
    QTest::newRow("the same paste, found from the texts alone")
        << "12" << at(0) << "1252" << 3 << 3 << "122" << 2;
    QTest::newRow("paste repeating the selection it replaces") << "ff" << at(0, 2) << "1ff" << 3
                                                               << 2 << "1f" << 2;
    QTest::newRow("inserted character sharing its low half with the old one is not split")
        << QStringLiteral("\U0001F600") << at(0, 2) << QStringLiteral("XY\U0001F200") << 4 << 3
        << "XY" << 2;
    QTest::newRow("deleting before an unpaired low half")
        << QStringLiteral("1X\xDC00") << at(1, 1) << QStringLiteral("1\xDC00") << 1 << 1
        << QStringLiteral("1\xDC00") << 1;
    const QString high(QChar(0xD800));
    QTest::newRow("deleting after an unpaired high half")
        << high + "X1" << at(2) << high + "1" << 1 << 1 << high + "1" << 1;
}

void TestChannelBox::limitOnOneEdit()
{
    QFETCH(QString, before);
    QFETCH(Selection, selected);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);
    QFETCH(int, limit);
    QFETCH(QString, kept);
    QFETCH(int, cursorKept);

    const BoxText result = limitEdit(before, after, cursorAfter, limit, selected);
    QCOMPARE(result.text, kept);
    QCOMPARE(result.cursor, cursorKept);
}

void TestChannelBox::typingStopsAtTheLimit()
{
    ChannelBox box;
    QTest::keyClicks(&box, QStringLiteral("1234"));
    QCOMPARE(box.text(), QStringLiteral("123"));

    box.setMaxInputLength(2);
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("abc"));
    QCOMPARE(box.text(), QStringLiteral("ab"));
}

void TestChannelBox::pasteIsCutToTheRoomLeft()
{
    ChannelBox box;
    QTest::keyClicks(&box, QStringLiteral("1"));
    QGuiApplication::clipboard()->setText(QStringLiteral("2345"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123"));
}

void TestChannelBox::pasteIntoAFullBoxIsRefused()
{
    ChannelBox box;
    QTest::keyClicks(&box, QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Home);
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123"));
    QCOMPARE(box.cursorPosition(), 0);
}

// The box hands the limit the cursor at the end of the pasted text.
void TestChannelBox::pasteIsCutWhereItWasPut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");

    QTest::newRow("between the digits, repeating them") << "12" << 3 << 1 << 0 << "25" << "122";
    QTest::newRow("over the whole hexadecimal text, repeating it") << "ff" << 2 << 0 << 2 << "1ff"
                                                                   << "1f";
    QTest::newRow("over most of an overlong text, sharing its first digit")
        << "1388" << 2 << 0 << 3 << "1A" << "18";
    QTest::newRow("the same, not sharing it") << "1388" << 2 << 0 << 3 << "2A" << "28";
}

void TestChannelBox::pasteIsCutWhereItWasPut()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    ChannelBox box;
    box.setMaxInputLength(limit);
    box.replaceText(text); // whole, even beyond the limit, as the program may write it
    box.setSelection(selectionStart, selectionLength);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), kept);
}

void TestChannelBox::programWritesAreCut()
{
    ChannelBox box;
    box.setMaxInputLength(2);
    box.setBoxText(QStringLiteral("123"));
    QCOMPARE(box.text(), QStringLiteral("12"));
}

void TestChannelBox::loweringTheLimitKeepsTheText()
{
    ChannelBox box;
    box.setBoxText(QStringLiteral("256"));
    box.setMaxInputLength(2);
    QCOMPARE(box.text(), QStringLiteral("256"));
    QCOMPARE(box.maxInputLength(), 2);

    box.replaceText(QStringLiteral("218711A00"));
    QCOMPARE(box.text(), QStringLiteral("218711A00"));
}

// Once the program has written a text longer than the limit, the user can still delete from
// it, but nothing typed or pasted may make it longer than the limit again.
void TestChannelBox::overlongTextCanBeShortenedButNotLengthened()
{
    ChannelBox box;
    box.setMaxInputLength(2);
    box.replaceText(QStringLiteral("1388"));

    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(box.text(), QStringLiteral("1388"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("138"));
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(box.text(), QStringLiteral("138"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("13"));
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(box.text(), QStringLiteral("13"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(box.text(), QStringLiteral("15"));
}

void TestChannelBox::replacingAnOverlongTextStartsAfresh()
{
    ChannelBox box;
    box.setMaxInputLength(2);
    box.replaceText(QStringLiteral("100"));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("7"));
    QCOMPARE(box.text(), QStringLiteral("7"));
    QTest::keyClicks(&box, QStringLiteral("89"));
    QCOMPARE(box.text(), QStringLiteral("78"));
}

// Validation writes every box back normalised; a box it does not change keeps the user's place.
void TestChannelBox::unchangedWriteKeepsTheCursor()
{
    ChannelBox box;
    QTest::keyClicks(&box, QStringLiteral("128"));
    QTest::keyClick(&box, Qt::Key_Home);
    box.replaceText(QStringLiteral("128"));
    QCOMPARE(box.cursorPosition(), 0);
}

QTEST_MAIN(TestChannelBox)
#include "tst_channelbox.moc"
