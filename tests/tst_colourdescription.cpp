// CIELAB and CIEDE2000 through Little CMS, and the systematic Japanese description of colours.

#include "colour/cielab.h"
#include "colour/colourdescription.h"

#include <QRegularExpression>
#include <QTest>

class TestColourDescription : public QObject
{
    Q_OBJECT

private slots:
    void labOfScreenColours_data();
    void labOfScreenColours();
    void ciede2000ReferencePairs_data();
    void ciede2000ReferencePairs();
    void describes_data();
    void describes();
    void shadesOfAPrimaryKeepTheirHueName_data();
    void shadesOfAPrimaryKeepTheirHueName();
    void everyColourGetsAWellFormedDescription();
};

void TestColourDescription::labOfScreenColours_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");

    // sRGB in CIELAB under the D50 white of ICC colour management (Bradford adaptation).
    QTest::newRow("white") << qRgb(255, 255, 255) << 100.0 << 0.0 << 0.0;
    QTest::newRow("black") << qRgb(0, 0, 0) << 0.0 << 0.0 << 0.0;
    QTest::newRow("red") << qRgb(255, 0, 0) << 54.29 << 80.80 << 69.89;
    QTest::newRow("green") << qRgb(0, 255, 0) << 87.82 << -79.29 << 80.99;
    QTest::newRow("blue") << qRgb(0, 0, 255) << 29.57 << 68.30 << -112.03;
}

void TestColourDescription::labOfScreenColours()
{
    QFETCH(QRgb, colour);
    QFETCH(double, L);
    QFETCH(double, a);
    QFETCH(double, b);
    const Lab lab = labOf(colour);
    QVERIFY2(qAbs(lab.L - L) < 0.05, qPrintable(QString::number(lab.L)));
    QVERIFY2(qAbs(lab.a - a) < 0.05, qPrintable(QString::number(lab.a)));
    QVERIFY2(qAbs(lab.b - b) < 0.05, qPrintable(QString::number(lab.b)));
}

void TestColourDescription::ciede2000ReferencePairs_data()
{
    QTest::addColumn<Lab>("first");
    QTest::addColumn<Lab>("second");
    QTest::addColumn<double>("difference");

    // Sharma, Wu and Dalal (2005), "The CIEDE2000 color-difference formula: implementation
    // notes, supplementary test data, and mathematical observations": pairs chosen to catch
    // the usual mistakes (hue wrap-around, mean hue across 0/360, the rotation term).
    const struct
    {
        Lab first, second;
        double difference;
    } pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, -1, 2}, {50, 0, 0}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045},
        {{50, -0.001, 2.49}, {50, 0.0011, -2.49}, 4.7461},
        {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {61, -5, 29}, 22.8977},
        {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
        {{50, 2.5, 0}, {58, 24, 15}, 19.4535},
        {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
        {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    int number = 0;
    for (const auto &pair : pairs) {
        QTest::addRow("pair %d", ++number) << pair.first << pair.second << pair.difference;
    }
}

void TestColourDescription::ciede2000ReferencePairs()
{
    QFETCH(Lab, first);
    QFETCH(Lab, second);
    QFETCH(double, difference);
    const double computed = colourDifference(first, second);
    QVERIFY2(qAbs(computed - difference) < 0.00005, qPrintable(QString::number(computed, 'f', 5)));
}

void TestColourDescription::describes_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QString>("description");

    // Screen colours as people call them.
    QTest::newRow("ff0000") << qRgb(0xff, 0x00, 0x00) << "あざやかな赤";
    QTest::newRow("808080 mid grey") << qRgb(0x80, 0x80, 0x80) << "中位の灰色";
    QTest::newRow("ffffff") << qRgb(0xff, 0xff, 0xff) << "白";
    QTest::newRow("000000") << qRgb(0x00, 0x00, 0x00) << "黒";
    QTest::newRow("000080 navy") << qRgb(0x00, 0x00, 0x80) << "ごく暗い青";
    QTest::newRow("ffc0cb pink") << qRgb(0xff, 0xc0, 0xcb) << "うすい赤";
    QTest::newRow("0000ff") << qRgb(0x00, 0x00, 0xff) << "あざやかな青";
    QTest::newRow("ffff00") << qRgb(0xff, 0xff, 0x00) << "あざやかな黄";
    QTest::newRow("00ff00") << qRgb(0x00, 0xff, 0x00) << "あざやかな緑";
    QTest::newRow("00ffff") << qRgb(0x00, 0xff, 0xff) << "あざやかな青緑";
    QTest::newRow("ff00ff") << qRgb(0xff, 0x00, 0xff) << "あざやかな赤紫";
    QTest::newRow("800080 purple") << qRgb(0x80, 0x00, 0x80) << "こい赤紫";
    QTest::newRow("8000ff violet") << qRgb(0x80, 0x00, 0xff) << "あざやかな青紫";
    QTest::newRow("c0c0c0 silver") << qRgb(0xc0, 0xc0, 0xc0) << "明るい灰色";
    QTest::newRow("404040") << qRgb(0x40, 0x40, 0x40) << "暗い灰色";
    QTest::newRow("f0f8ff alice blue") << qRgb(0xf0, 0xf8, 0xff) << "青みの白";

    // JIS customary colours, named as JIS names them, round the hue circle and over the tones.
    QTest::newRow("桜色") << qRgb(0xff, 0xdb, 0xed) << "ごくうすい紫みの赤";
    QTest::newRow("とき色") << qRgb(0xf9, 0xa1, 0xd0) << "明るい紫みの赤";
    QTest::newRow("紅色") << qRgb(0xbd, 0x1e, 0x48) << "あざやかな赤";
    QTest::newRow("茜色") << qRgb(0xa0, 0x28, 0x3a) << "こい赤";
    QTest::newRow("えんじ") << qRgb(0xae, 0x38, 0x46) << "つよい赤";
    QTest::newRow("蘇芳") << qRgb(0x97, 0x4b, 0x52) << "くすんだ赤";
    QTest::newRow("紅梅色") << qRgb(0xe0, 0x88, 0x99) << "やわらかい赤";
    QTest::newRow("橙色") << qRgb(0xfd, 0x7e, 0x00) << "あざやかな黄赤";
    QTest::newRow("肌色") << qRgb(0xf4, 0xbe, 0x9b) << "うすい黄赤";
    QTest::newRow("焦茶") << qRgb(0x59, 0x46, 0x39) << "暗い灰みの黄赤";
    QTest::newRow("山吹色") << qRgb(0xff, 0xa5, 0x00) << "あざやかな赤みの黄";
    QTest::newRow("黄色") << qRgb(0xff, 0xbe, 0x00) << "あざやかな黄";
    QTest::newRow("芥子色") << qRgb(0xcd, 0xa9, 0x66) << "やわらかい黄";
    QTest::newRow("若草色") << qRgb(0xa9, 0xb7, 0x35) << "あざやかな黄緑";
    QTest::newRow("萌黄") << qRgb(0x96, 0xaa, 0x3d) << "つよい黄緑";
    QTest::newRow("緑青色") << qRgb(0x5f, 0x83, 0x6d) << "くすんだ緑";
    QTest::newRow("深緑") << qRgb(0x00, 0x57, 0x31) << "こい緑";
    QTest::newRow("青磁色") << qRgb(0x80, 0xaa, 0x9f) << "やわらかい青みの緑";
    QTest::newRow("浅葱色") << qRgb(0x00, 0x87, 0xaa) << "あざやかな緑みの青";
    QTest::newRow("水色") << qRgb(0xa9, 0xce, 0xec) << "うすい緑みの青";
    QTest::newRow("新橋色") << qRgb(0x69, 0xaa, 0xc6) << "明るい緑みの青";
    QTest::newRow("空色") << qRgb(0x95, 0xc0, 0xec) << "明るい青";
    QTest::newRow("藍色") << qRgb(0x2e, 0x4b, 0x71) << "暗い青";
    QTest::newRow("濃藍") << qRgb(0x20, 0x32, 0x4e) << "ごく暗い青";
    QTest::newRow("紫") << qRgb(0xa2, 0x60, 0xbf) << "あざやかな紫";
    QTest::newRow("牡丹色") << qRgb(0xc2, 0x4d, 0xae) << "あざやかな赤紫";
    QTest::newRow("銀鼠") << qRgb(0xa0, 0xa0, 0xa0) << "明るい灰色";
    QTest::newRow("墨") << qRgb(0x31, 0x31, 0x31) << "黒";
    QTest::newRow("利休鼠") << qRgb(0x78, 0x7c, 0x7a) << "緑みの中位の灰色";
    QTest::newRow("鉛色") << qRgb(0x79, 0x7a, 0x88) << "青みの中位の灰色";
}

void TestColourDescription::describes()
{
    QFETCH(QRgb, colour);
    QFETCH(QString, description);
    QCOMPARE(describeColour(colour), description);
}

// Stepping one channel of a screen primary down towards black keeps the hue angle, so the hue
// word must not flip between a plain hue and a leaning one on the way.
void TestColourDescription::shadesOfAPrimaryKeepTheirHueName_data()
{
    QTest::addColumn<QRgb>("mask");
    QTest::addColumn<QString>("hue");
    QTest::newRow("red") << qRgb(1, 0, 0) << "赤";
    QTest::newRow("blue") << qRgb(0, 0, 1) << "青";
    QTest::newRow("green") << qRgb(0, 1, 0) << "緑";
    QTest::newRow("yellow") << qRgb(1, 1, 0) << "黄";
}

void TestColourDescription::shadesOfAPrimaryKeepTheirHueName()
{
    QFETCH(QRgb, mask);
    QFETCH(QString, hue);
    static const QRegularExpression leaningOrOtherHue(QStringLiteral("みの|赤紫|青紫|黄赤|黄緑|青緑"));
    for (int value = 0x30; value <= 0xff; ++value) {
        const QRgb colour = qRgb(qRed(mask) * value, qGreen(mask) * value, qBlue(mask) * value);
        const QString description = describeColour(colour);
        QVERIFY2(description.endsWith(hue) && !description.contains(leaningOrOtherHue),
                 qPrintable(QString::number(value, 16) + QLatin1Char(' ') + description));
    }
}

void TestColourDescription::everyColourGetsAWellFormedDescription()
{
    static const QRegularExpression chromatic(QStringLiteral(
            "^(あざやかな|明るい|つよい|こい|うすい|やわらかい|くすんだ|暗い|ごくうすい|明るい灰みの|"
            "灰みの|暗い灰みの|ごく暗い)(赤みの|黄みの|緑みの|青みの|紫みの)?"
            "(赤|黄赤|黄|黄緑|緑|青緑|青|青紫|紫|赤紫)$"));
    static const QRegularExpression neutral(QStringLiteral(
            "^(赤みの|黄みの|緑みの|青みの|紫みの)?(白|明るい灰色|中位の灰色|暗い灰色|黒)$"));
    // A modifier names a neighbouring hue, never the hue itself.
    static const QRegularExpression selfModified(QStringLiteral("(.)みの\\1$"));
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 15) {
            for (int b = 0; b <= 255; b += 15) {
                const QString description = describeColour(qRgb(r, g, b));
                QVERIFY2((chromatic.match(description).hasMatch()
                          || neutral.match(description).hasMatch())
                                 && !selfModified.match(description).hasMatch(),
                         qPrintable(QStringLiteral("%1 %2 %3 %4").arg(r).arg(g).arg(b).arg(description)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestColourDescription)
#include "tst_colourdescription.moc"
