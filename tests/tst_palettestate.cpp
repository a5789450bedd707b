// The palette state without a window: loading the colour table, building the colour code,
// finding names, and the background.

#include "palette/palettestate.h"
#include "support/testwindow.h"

#include <QDir>
#include <QTest>

namespace {

// A palette state whose table holds the given lines (UTF-8, written in code page 932).
PaletteState stateWithTable(const QString &lines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kolvarenta.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toCodePage932(lines)) < 0)
        qFatal("cannot write a colour table");
    file.close();
    PaletteState state;
    if (state.loadColourTable(path) != PaletteState::TableLoad::Loaded)
        qFatal("cannot load a colour table");
    return state;
}

void setColour(PaletteState &state, int red, int green, int blue)
{
    state.redvalue = qint16(red);
    state.greenvalue = qint16(green);
    state.bluevalue = qint16(blue);
    state.mojiname();
    state.colormatch();
}

} // namespace

class TestPaletteState : public QObject
{
    Q_OBJECT

private slots:
    void tableLoads();
    void mojinameBuildsUpperCaseAndColormatchLowerCases_data();
    void mojinameBuildsUpperCaseAndColormatchLowerCases();
    void firstOfRepeatedCodesWins();
    void backcolormatchKeepsEarlierNameOnMiss();
    void tableEntryIsCutByPosition_data();
    void tableEntryIsCutByPosition();
};

void TestPaletteState::tableLoads()
{
    const PaletteState state = stateWithTable(QStringLiteral("グリーン,00FF00\r\n赤,ff0000\r\n"));
    QCOMPARE(state.tablecount, qint16(2));
    QCOMPARE(state.tablenames[1], QStringLiteral("グリーン"));
    QCOMPARE(state.tablecodes[2], QStringLiteral("ff0000"));
    QVERIFY(state.tablenames[3].isEmpty());

    QTemporaryDir dir;
    PaletteState missing;
    QCOMPARE(missing.loadColourTable(dir.filePath(QStringLiteral("none.dat"))),
             PaletteState::TableLoad::Missing);
    PaletteState unreadable;
    QCOMPARE(unreadable.loadColourTable(dir.path()), PaletteState::TableLoad::Failed);
    QCOMPARE(unreadable.tablecount, qint16(0));
}

void TestPaletteState::mojinameBuildsUpperCaseAndColormatchLowerCases_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("name");
    QTest::newRow("no table") << QString() << QString();
    QTest::newRow("table without the colour") << QStringLiteral("緑,00ff00\r\n空名,\r\n") << QString();
    QTest::newRow("named, upper-case code in the file")
        << QStringLiteral("青,0000FF\r\n") << QStringLiteral("青\u3000");
}

void TestPaletteState::mojinameBuildsUpperCaseAndColormatchLowerCases()
{
    QFETCH(QString, table);
    QFETCH(QString, name);
    PaletteState state = table.isEmpty() ? PaletteState() : stateWithTable(table);
    state.redvalue = 0;
    state.greenvalue = 0;
    state.bluevalue = 255;
    state.mojiname();
    QCOMPARE(state.redstring, QStringLiteral("00"));
    QCOMPARE(state.greenstring, QStringLiteral("00"));
    QCOMPARE(state.bluestring, QStringLiteral("FF"));
    QCOMPARE(state.colorcode, QStringLiteral("0000FF"));
    state.colormatch();
    QCOMPARE(state.colorcode, QStringLiteral("0000ff"));
    QCOMPARE(state.colorname, name);
    QCOMPARE(state.currentColour(), qRgb(0, 0, 255));
}

void TestPaletteState::firstOfRepeatedCodesWins()
{
    PaletteState state = stateWithTable(QStringLiteral("first,0A0B0C\r\n,0a0b0d\r\nsecond,0a0b0c\r\n"));
    setColour(state, 10, 11, 12);
    QCOMPARE(state.colorname, QStringLiteral("first\u3000"));

    // An entry with an empty name is as good as none: no name and no separator.
    setColour(state, 10, 11, 13);
    QVERIFY(state.colorname.isEmpty());
    QCOMPARE(state.colorcode, QStringLiteral("0a0b0d"));

    state.setBackground(QStringLiteral("0C0b0A"));
    state.backcolormatch();
    QCOMPARE(state.backcolorname, QStringLiteral("first"));
}

void TestPaletteState::backcolormatchKeepsEarlierNameOnMiss()
{
    PaletteState state = stateWithTable(QStringLiteral("white,ffffff\r\n"));
    state.backcolorname = QStringLiteral("kept");
    state.setBackground(QStringLiteral("563412"));
    state.backcolormatch();
    QCOMPARE(state.backcolorname, QStringLiteral("kept"));
    QCOMPARE(state.backcolorcode, QStringLiteral("563412"));
    QCOMPARE(state.backredstring + state.backgreenstring + state.backbluestring,
             QStringLiteral("123456"));
}

// An entry's code is cut two characters a channel, whatever it holds; a value is read from the
// hexadecimal digits its slice starts with.
void TestPaletteState::tableEntryIsCutByPosition_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("six digits") << "0aab00" << QStringList{"0a", "ab", "00"} << QList{10, 171, 0};
    QTest::newRow("hash in front") << "#00ff00" << QStringList{"#0", "0f", "f0"}
                                   << QList{0, 15, 240};
    QTest::newRow("short code") << "fff" << QStringList{"ff", "f", ""} << QList{255, 15, 0};
}

void TestPaletteState::tableEntryIsCutByPosition()
{
    QFETCH(QString, code);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, values);
    PaletteState state = stateWithTable(QStringLiteral("x,") + code + QStringLiteral("\r\n"));
    state.takeTableEntry(1);
    for (const Channel channel : allChannels) {
        QCOMPARE(state.text(channel), texts[int(channel)]);
        QCOMPARE(int(state.value(channel)), values[int(channel)]);
    }
}

QTEST_MAIN(TestPaletteState)
#include "tst_palettestate.moc"
