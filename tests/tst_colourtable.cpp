// Reading the colour table file, and the window's start-up with it.

#include "names/colourtable.h"
#include "support/testwindow.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QStringDecoder>
#include <QTest>

namespace {

QList<ColourTableEntry> parse(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto entries = readColourTable(buffer);
    return entries.value_or(QList<ColourTableEntry>());
}

QByteArray entryLines(int count)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += "name" + QByteArray::number(k) + "," + QByteArray::number(k) + "\r\n";
    return bytes;
}

} // namespace

class TestColourTable : public QObject
{
    Q_OBJECT

private slots:
    void lineRules_data();
    void lineRules();
    void lineEndsReadAlike_data();
    void lineEndsReadAlike();
    void decoding_data();
    void decoding();
    void everyCharacterDecodesAsQtDecodesIt();
    void stopsAtFiveHundredEntries();
    void longLineWithLateComma();
    void undecodableBytesBecomeReplacementCharacters();
    void readFailureIsReported();

    void loadsFromProgramFolder();
    void missingTableIsNoFailure();
    void unreadableTableEndsStartUp();
};

void TestColourTable::lineRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("blanks and ideographic spaces around name and code are trimmed")
        << QStringLiteral(" \u3000桜色 \u3000,\u3000 FFDBED \r\n") << QStringList{"桜色"}
        << QStringList{"ffdbed"};
    QTest::newRow("tabs are not trimmed")
        << QStringLiteral("\tred\t,ff0000\t\r\n") << QStringList{"\tred\t"}
        << QStringList{"ff0000\t"};
    QTest::newRow("lines without a comma take no entry number")
        << QStringLiteral("note\r\n\r\na,000001\r\nb,000002\r\n") << QStringList{"a", "b"}
        << QStringList{"000001", "000002"};
    QTest::newRow("a lone CR ends a line")
        << QStringLiteral("a,000001\rb,000002") << QStringList{"a", "b"}
        << QStringList{"000001", "000002"};
    QTest::newRow("a lone LF ends a line")
        << QStringLiteral("a,000001\nb,000002\r\n") << QStringList{"a", "b"}
        << QStringList{"000001", "000002"};
    QTest::newRow("the last line without terminator counts")
        << QStringLiteral("a,000001\r\nb,000002") << QStringList{"a", "b"}
        << QStringList{"000001", "000002"};
    QTest::newRow("the first comma splits; later ones stay in the code")
        << QStringLiteral("a,00FF00,extra\r\n") << QStringList{"a"}
        << QStringList{"00ff00,extra"};
    QTest::newRow("a leading comma gives an empty name")
        << QStringLiteral(",00ff00\r\n") << QStringList{""} << QStringList{"00ff00"};
    QTest::newRow("a hash prefix is kept as written")
        << QStringLiteral("a,#00FF00\r\n") << QStringList{"a"} << QStringList{"#00ff00"};
    QTest::newRow("star and full-width parenthesis are ordinary characters")
        << QStringLiteral("*aliceblue（アリスブルー）,f0f8ff\r\n")
        << QStringList{"*aliceblue（アリスブルー）"} << QStringList{"f0f8ff"};
    QTest::newRow("an empty file has no entries") << QString() << QStringList() << QStringList();
}

void TestColourTable::lineRules()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QStringList, codes);

    const auto entries = parse(toCodePage932(text));
    QStringList gotNames;
    QStringList gotCodes;
    for (const ColourTableEntry &entry : entries) {
        gotNames << entry.name;
        gotCodes << entry.code;
    }
    QCOMPARE(gotNames, names);
    QCOMPARE(gotCodes, codes);
}

// Tables and backcolor.dat saved by any editor read the same; the program writes CR LF.
void TestColourTable::lineEndsReadAlike_data()
{
    QTest::addColumn<QString>("lineEnd");
    QTest::newRow("LF, as Linux editors save") << QStringLiteral("\n");
    QTest::newRow("CR LF, as Windows editors save") << QStringLiteral("\r\n");
    QTest::newRow("CR alone") << QStringLiteral("\r");
}

void TestColourTable::lineEndsReadAlike()
{
    QFETCH(QString, lineEnd);
    TestRig rig;
    rig.writeTable(QStringList{"赤,ff0000", "note", "緑,00FF00", ""}.join(lineEnd));
    rig.writeFile(QStringLiteral("backcolor.dat"), "0000FF" + lineEnd.toLatin1());
    auto &w = rig.start();
    QCOMPARE(w.state().tablecount, qint16(2));
    QCOMPARE(w.state().tablenames[1], QStringLiteral("赤"));
    QCOMPARE(w.state().tablecodes[1], QStringLiteral("ff0000"));
    QCOMPARE(w.state().tablenames[2], QStringLiteral("緑"));
    QCOMPARE(w.state().tablecodes[2], QStringLiteral("00ff00"));
    QCOMPARE(w.state().backcolorcode, QStringLiteral("0000FF"));
    QCOMPARE(w.state().backredstring, QStringLiteral("FF"));
    QCOMPARE(w.state().backcolorname, QStringLiteral("赤"));
    QVERIFY(w.window.close());
    QCOMPARE(rig.readFile(QStringLiteral("backcolor.dat")), QByteArray("0000FF\r\n"));
}

void TestColourTable::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    // Qt's decoder gives these three one another's characters.
    QTest::newRow("control bytes 1A, 1C and 7F are themselves")
        << QByteArray("\x1a\x1c\x7f") << QStringLiteral("\x1a\x1c\x7f");
    QByteArray ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii += char(b);
    QTest::newRow("every byte below 80 is itself") << ascii << QString::fromLatin1(ascii);
    QTest::newRow("half-width katakana and a double-byte character")
        << QByteArray("\xb1\xdf\x82\xa0") << QStringLiteral("ｱﾟあ");
    QTest::newRow("a lead byte before a byte that cannot follow it")
        << QByteArray("\x82" "0\x1a") << QStringLiteral("\uFFFD0\x1a");
    QTest::newRow("a pair without a character is one replacement character")
        << QByteArray("\x85\x40") << QStringLiteral("\uFFFD");
}

void TestColourTable::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeCodePage932(bytes), text);
}

// The tables are filled from Qt's decoder; each byte and pair it decodes must come out the same.
void TestColourTable::everyCharacterDecodesAsQtDecodesIt()
{
    int characters = 0;
    for (int first = 0x80; first < 0x100; ++first) {
        for (int second = -1; second < 0x100; ++second) {
            const QByteArray bytes = second < 0 ? QByteArray(1, char(first))
                                                : QByteArray(1, char(first)) + char(second);
            QStringDecoder qtDecoder("windows-31j", QStringDecoder::Flag::Stateless);
            const QString viaQt = qtDecoder(bytes);
            if (qtDecoder.hasError() || viaQt.size() != 1)
                continue;
            QCOMPARE(decodeCodePage932(bytes), viaQt);
            ++characters;
        }
    }
    // 63 half-width katakana, 7724 double-byte characters and 1880 of the user-defined area.
    QCOMPARE(characters, 63 + 7724 + 1880);
}

void TestColourTable::stopsAtFiveHundredEntries()
{
    QBuffer buffer;
    buffer.setData(entryLines(501) + "\x81"); // a stray byte the reader must never reach
    buffer.open(QIODevice::ReadOnly);
    const auto entries = readColourTable(buffer);
    QVERIFY(entries);
    QCOMPARE(entries->size(), 500);
    QCOMPARE(entries->last().name, QStringLiteral("name500"));
    QVERIFY(!buffer.atEnd());
}

void TestColourTable::longLineWithLateComma()
{
    const QByteArray name(40'000, 'x');
    const auto entries = parse("a,000001\r\n" + name + ",00ff00\r\nb,000002\r\n");
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(1).name.size(), 40'000);
    QCOMPARE(entries.at(1).code, QStringLiteral("00ff00"));
    QCOMPARE(entries.at(2).name, QStringLiteral("b"));
}

void TestColourTable::undecodableBytesBecomeReplacementCharacters()
{
    // 0xFF is no character of code page 932; 0x82 at the end of a line is a lead byte alone.
    const QByteArray bytes = QByteArray("\x82\xa0\xff,000001\r\nb\x82,000002\r\n") + toCodePage932(
                                 QStringLiteral("桜,ffdbed\r\n"));
    const auto entries = parse(bytes);
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(0).name, QStringLiteral("あ\uFFFD"));
    QCOMPARE(entries.at(1).name, QStringLiteral("b\uFFFD"));
    QCOMPARE(entries.at(2).name, QStringLiteral("桜"));
}

void TestColourTable::readFailureIsReported()
{
    QBuffer unopened; // reading a device that is not open fails
    QVERIFY(!readColourTable(unopened).has_value());
}

void TestColourTable::loadsFromProgramFolder()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("グリーン,00FF00\r\n赤,ff0000\r\n"));
    auto &w = rig.start();
    QCOMPARE(w.state().tablecount, qint16(2));
    QCOMPARE(w.state().tablenames[1], QStringLiteral("グリーン"));
    QCOMPARE(w.state().tablecodes[2], QStringLiteral("ff0000"));
    QVERIFY(w.state().tablenames[3].isEmpty());
    // The start colour is looked up at once.
    QCOMPARE(w.state().colorcode, QStringLiteral("00ff00"));
    QCOMPARE(w.state().colorname, QStringLiteral("グリーン\u3000"));
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestColourTable::missingTableIsNoFailure()
{
    TestRig rig;
    auto &w = rig.start();
    QCOMPARE(w.state().tablecount, qint16(0));
    QCOMPARE(w.state().colorcode, QStringLiteral("00FF00"));
    QVERIFY(w.state().colorname.isEmpty());
    QVERIFY(rig.messages->shown.isEmpty());
    QVERIFY(!w.window.isClosed());
}

void TestColourTable::unreadableTableEndsStartUp()
{
    TestRig rig;
    QVERIFY(QDir(rig.folder()).mkdir(QStringLiteral("kolvarenta.dat")));
    auto &w = rig.start();
    QCOMPARE(rig.messages->texts(), QStringList{QStringLiteral("色コードファイルが見つかりません")});
    QVERIFY(rig.messages->shown.first().title.isEmpty());
    QVERIFY(w.window.isClosed());
}

QTEST_MAIN(TestColourTable)
#include "tst_colourtable.moc"
