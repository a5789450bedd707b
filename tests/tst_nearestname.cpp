// Finding the table's nearest named colour, and what the near-name command says.

#include "colour/cielab.h"
#include "names/colourcode.h"
#include "names/nearestname.h"

#include <QTest>

#include <vector>

namespace {

struct Table
{
    std::vector<QString> names;
    std::vector<QString> codes;
    void add(const QString &name, const QString &code)
    {
        names.push_back(name);
        codes.push_back(code);
    }
};

std::optional<NearestName> nearest(QRgb colour, const Table &table)
{
    return nearestNamedColour(colour, table.names, table.codes);
}

} // namespace

class TestNearestName : public QObject
{
    Q_OBJECT

private slots:
    void exactHitIsDifferenceZero();
    void nearMissFindsTheClosestByCiede2000();
    void tiesTakeTheLowerEntry();
    void entriesThatCannotTakePartAreSkipped_data();
    void entriesThatCannotTakePartAreSkipped();
    void emptyOrUnusableTableFindsNothing();
    void searchAgreesWithAFullScan();
    void colourOfCode_data();
    void colourOfCode();
    void announcement_data();
    void announcement();
};

void TestNearestName::exactHitIsDifferenceZero()
{
    Table table;
    table.add(QStringLiteral("あか"), QStringLiteral("ff0000"));
    table.add(QStringLiteral("さくら"), QStringLiteral("ffdbed"));
    table.add(QStringLiteral("あお"), QStringLiteral("0000FF"));

    const auto found = nearest(qRgb(0xff, 0xdb, 0xed), table);
    QVERIFY(found);
    QCOMPARE(found->entry, 2);
    QCOMPARE(found->difference, 0.0);
    // Upper-case codes are read too.
    QCOMPARE(nearest(qRgb(0, 0, 0xff), table)->entry, 3);
}

// By plain RGB distance 808080 is nearer 888080 (8) than 8c8c8c (20.8); by CIEDE2000, which
// weighs a change of hue more than an even change of lightness, the lighter grey wins.
void TestNearestName::nearMissFindsTheClosestByCiede2000()
{
    Table table;
    table.add(QStringLiteral("赤み"), QStringLiteral("888080"));
    table.add(QStringLiteral("明るめ"), QStringLiteral("8c8c8c"));
    const QRgb grey = qRgb(0x80, 0x80, 0x80);

    const auto found = nearest(grey, table);
    QVERIFY(found);
    QCOMPARE(found->entry, 2);
    const double expected = colourDifference(labOf(grey), labOf(qRgb(0x8c, 0x8c, 0x8c)));
    QCOMPARE(found->difference, expected);
    QVERIFY(found->difference > 0.05);
}

void TestNearestName::tiesTakeTheLowerEntry()
{
    Table table;
    table.add(QStringLiteral("遠い"), QStringLiteral("000000"));
    table.add(QStringLiteral("先"), QStringLiteral("336699"));
    table.add(QStringLiteral("後"), QStringLiteral("336699"));
    table.add(QStringLiteral("後の大文字"), QStringLiteral("336699"));
    QCOMPARE(nearest(qRgb(0x33, 0x66, 0x98), table)->entry, 2);
}

void TestNearestName::entriesThatCannotTakePartAreSkipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("five digits") << "あか" << "ff000";
    QTest::newRow("seven digits") << "あか" << "ff00000";
    QTest::newRow("not hexadecimal") << "あか" << "ff00g0";
    QTest::newRow("leading blank") << "あか" << " ff000";
    QTest::newRow("full-width digits") << "あか" << "ｆｆ００００";
    QTest::newRow("empty code") << "あか" << "";
    QTest::newRow("empty name") << "" << "ff0000";
    QTest::newRow("star alone is no name") << "*" << "ff0000";
}

// An exact match that may not take part loses to a far entry that may.
void TestNearestName::entriesThatCannotTakePartAreSkipped()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    Table table;
    table.add(name, code);
    table.add(QStringLiteral("くろ"), QStringLiteral("000000"));
    const auto found = nearest(qRgb(0xff, 0, 0), table);
    QVERIFY(found);
    QCOMPARE(found->entry, 2);
}

void TestNearestName::emptyOrUnusableTableFindsNothing()
{
    QVERIFY(!nearest(qRgb(1, 2, 3), Table{}));
    Table unusable;
    unusable.add(QString(), QStringLiteral("ff0000"));
    unusable.add(QStringLiteral("あか"), QStringLiteral("red"));
    QVERIFY(!nearest(qRgb(1, 2, 3), unusable));
}

// The search skips entries whose lightness alone rules them out; it must still find what a
// plain scan of every entry finds.
void TestNearestName::searchAgreesWithAFullScan()
{
    Table table;
    std::vector<Lab> labs;
    for (int k = 0; k < 300; ++k) {
        const QRgb colour = qRgb((k * 97) % 256, (k * 53) % 256, (k * 29) % 256);
        table.add(QStringLiteral("色%1").arg(k + 1),
                  QStringLiteral("%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0')));
        labs.push_back(labOf(colour));
    }
    for (int t = 0; t < 60; ++t) {
        const QRgb target = qRgb((t * 71) % 256, (t * 151) % 256, (t * 13) % 256);
        const Lab targetLab = labOf(target);
        int best = 0;
        for (int k = 1; k < int(labs.size()); ++k) {
            if (colourDifference(targetLab, labs[k]) < colourDifference(targetLab, labs[best]))
                best = k;
        }
        QCOMPARE(nearest(target, table)->entry, best + 1);
    }
}

void TestNearestName::colourOfCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("lower case") << "1a2b3c" << true << qRgb(0x1a, 0x2b, 0x3c);
    QTest::newRow("upper case") << "FFDBED" << true << qRgb(0xff, 0xdb, 0xed);
    QTest::newRow("too short") << "fff" << false << QRgb(0);
    QTest::newRow("sign") << "-12345" << false << QRgb(0);
    QTest::newRow("blank inside") << "12 456" << false << QRgb(0);
}

void TestNearestName::colourOfCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QFETCH(QRgb, colour);
    const std::optional<QRgb> read = ::colourOfCode(code);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, colour);
}

void TestNearestName::announcement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("difference");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("exact: name alone") << "桜色（さくらいろ）" << 0.0 << "桜色（さくらいろ）";
    QTest::newRow("below 0.05: name alone") << "桜色（さくらいろ）" << 0.0499 << "桜色（さくらいろ）";
    QTest::newRow("near: one decimal")
            << "桜色（さくらいろ）" << 3.2149 << "桜色（さくらいろ）に近い色\u3000色差3.2";
    QTest::newRow("0.05 is no longer the same") << "あか" << 0.05 << "あかに近い色\u3000色差0.1";
    QTest::newRow("large difference") << "あか" << 41.96 << "あかに近い色\u3000色差42.0";
    QTest::newRow("web keyword star removed") << "*aqua" << 1.04 << "aquaに近い色\u3000色差1.0";
    QTest::newRow("star removed on a hit") << "*aqua" << 0.0 << "aqua";
}

void TestNearestName::announcement()
{
    QFETCH(QString, name);
    QFETCH(double, difference);
    QFETCH(QString, spoken);
    QCOMPARE(nearestNameAnnouncement(name, difference), spoken);
    QCOMPARE(noNamedColourAnnouncement(), QStringLiteral("名前のある色がありません"));
}

QTEST_GUILESS_MAIN(TestNearestName)
#include "tst_nearestname.moc"
