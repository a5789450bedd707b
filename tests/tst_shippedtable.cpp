// The colour table that ships beside the program, read the way the program reads it.

#include "names/colourtable.h"
#include "names/textrules.h"
#include "palette/palettestate.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString shippedTablePath = QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/kolvarenta.dat");
constexpr int shippedEntryCount = 415;

QByteArray shippedBytes()
{
    QFile file(shippedTablePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class ShippedTableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(shippedTablePath), qPrintable(shippedTablePath));
        QFile file(shippedTablePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto read = readColourTable(file);
        QVERIFY(read.has_value());
        entries = *read;
    }

    void holdsEveryEntry()
    {
        QCOMPARE(entries.size(), shippedEntryCount);
    }

    void everyEntryHasANameAndASixDigitCode()
    {
        static const QRegularExpression sixDigits(QStringLiteral("^[0-9a-f]{6}$"));
        for (int i = 0; i < entries.size(); ++i) {
            const QString where = QStringLiteral("entry %1").arg(i + 1);
            QVERIFY2(!entries[i].name.isEmpty(), qPrintable(where));
            QVERIFY2(sixDigits.match(entries[i].code).hasMatch(),
                     qPrintable(where + QStringLiteral(": ") + entries[i].code));
        }
    }

    // The bytes themselves: the program's reader forgives some of this, other readers do not.
    void decodesCleanlyWithCrLfLines()
    {
        const QByteArray bytes = shippedBytes();
        QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
        const QString text = decoder(bytes);
        QVERIFY(!decoder.hasError());
        QVERIFY(!decodeCodePage932(bytes).contains(QChar::ReplacementCharacter));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), shippedEntryCount);
        QCOMPARE(bytes.count('\n'), shippedEntryCount);
        QCOMPARE(bytes.count('\r'), shippedEntryCount);
        QVERIFY(!text.contains(QLatin1Char('\t')));
    }

    void entryAtItsPlace_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");

        QTest::newRow("first entry: kana with 色 alone needs no reading")
            << 1 << QStringLiteral("とき色") << QStringLiteral("f9a1d0");
        QTest::newRow("kanji name carries its reading")
            << 3 << QStringLiteral("桜色（さくらいろ）") << QStringLiteral("ffdbed");
        QTest::newRow("kana name without reading column stays bare")
            << 5 << QStringLiteral("からくれない") << QStringLiteral("e3557f");
        QTest::newRow("last Japanese entry: metallic colours without code left out")
            << 145 << QStringLiteral("鉄黒（てつぐろ）") << QStringLiteral("262626");
        QTest::newRow("first foreign entry: katakana alone")
            << 146 << QStringLiteral("ローズレッド") << QStringLiteral("c74f90");
        QTest::newRow("last foreign entry")
            << 267 << QStringLiteral("ブラック") << QStringLiteral("1c1c1c");
        QTest::newRow("first web keyword")
            << 268 << QStringLiteral("*aliceblue（アリスブルー）") << QStringLiteral("f0f8ff");
        QTest::newRow("last web keyword")
            << 415 << QStringLiteral("*yellowgreen（イエローグリーン）") << QStringLiteral("9acd32");
    }

    void entryAtItsPlace()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QVERIFY(number <= entries.size());
        QCOMPARE(entries[number - 1].name, name);
        QCOMPARE(entries[number - 1].code, code);
    }

    void paletteNamesColours_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");

        QTest::newRow("white") << QStringLiteral("ffffff") << QStringLiteral("*white（ホワイト）");
        QTest::newRow("black") << QStringLiteral("000000") << QStringLiteral("*black（ブラック）");
        QTest::newRow("red") << QStringLiteral("ff0000") << QStringLiteral("*red（レッド）");
        QTest::newRow("alice blue")
            << QStringLiteral("f0f8ff") << QStringLiteral("*aliceblue（アリスブルー）");
        QTest::newRow("Japanese name wins over the web keyword orange")
            << QStringLiteral("ffa500") << QStringLiteral("山吹色（やまぶきいろ）");
        QTest::newRow("Japanese name wins over the foreign name オレンジ")
            << QStringLiteral("fd7e00") << QStringLiteral("橙色（だいだいいろ）");
        QTest::newRow("first of two Japanese names wins")
            << QStringLiteral("262626") << QStringLiteral("黒（くろ）");
        QTest::newRow("first of two foreign names wins")
            << QStringLiteral("1c1c1c") << QStringLiteral("ランプブラック");
        QTest::newRow("web keyword found by an upper-case code")
            << QStringLiteral("9ACD32") << QStringLiteral("*yellowgreen（イエローグリーン）");
    }

    // Through the palette state's own load and lookup, as the user meets the table.
    void paletteNamesColours()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        PaletteState state;
        QCOMPARE(state.loadColourTable(shippedTablePath), PaletteState::TableLoad::Loaded);
        QCOMPARE(int(state.tablecount), shippedEntryCount);
        state.colorcode = code;
        state.colormatch();
        QCOMPARE(state.colorname, name + ideographicSpace);
    }

private:
    QList<ColourTableEntry> entries;
};

QTEST_MAIN(ShippedTableTest)
#include "tst_shippedtable.moc"
