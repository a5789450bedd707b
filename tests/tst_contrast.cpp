// The WCAG 2 contrast ratio and what the contrast command says about it.

#include "colour/contrast.h"

#include <QTest>

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void ratiosOfKnownPairs_data();
    void ratiosOfKnownPairs();
    void announcement_data();
    void announcement();
    void announcementOfComputedRatios_data();
    void announcementOfComputedRatios();
};

void TestContrast::ratiosOfKnownPairs_data()
{
    QTest::addColumn<QRgb>("first");
    QTest::addColumn<QRgb>("second");
    QTest::addColumn<double>("ratio");

    QTest::newRow("black on white") << qRgb(0, 0, 0) << qRgb(255, 255, 255) << 21.0;
    QTest::newRow("white on black, either order") << qRgb(255, 255, 255) << qRgb(0, 0, 0) << 21.0;
    QTest::newRow("white and 777777") << qRgb(255, 255, 255) << qRgb(0x77, 0x77, 0x77) << 4.478;
    QTest::newRow("equal colours") << qRgb(0x12, 0x34, 0x56) << qRgb(0x12, 0x34, 0x56) << 1.0;
    QTest::newRow("red on white") << qRgb(255, 0, 0) << qRgb(255, 255, 255) << 3.998;
    QTest::newRow("blue on white") << qRgb(0, 0, 255) << qRgb(255, 255, 255) << 8.592;
    // Green weighs most in luminance, blue least.
    QTest::newRow("green on black") << qRgb(0, 255, 0) << qRgb(0, 0, 0) << 15.304;
}

void TestContrast::ratiosOfKnownPairs()
{
    QFETCH(QRgb, first);
    QFETCH(QRgb, second);
    QFETCH(double, ratio);
    const double computed = contrastRatio(first, second);
    QVERIFY2(qAbs(computed - ratio) < 0.001, qPrintable(QString::number(computed, 'f', 4)));
}

void TestContrast::announcement_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("spoken");

    const QString prefix = QStringLiteral("背景とのコントラスト比");
    QTest::newRow("7 is AAA") << 7.0 << prefix + "7.0対1\u3000AAA適合";
    QTest::newRow("just under 7 is AA, cut not rounded") << 6.99 << prefix + "6.9対1\u3000AA適合";
    QTest::newRow("4.5 is AA") << 4.5 << prefix + "4.5対1\u3000AA適合";
    QTest::newRow("just under 4.5 is large text only") << 4.4999 << prefix + "4.4対1\u3000大きな文字のみAA適合";
    QTest::newRow("3 is large text only") << 3.0 << prefix + "3.0対1\u3000大きな文字のみAA適合";
    QTest::newRow("just under 3 fails") << 2.999 << prefix + "2.9対1\u3000不適合";
    QTest::newRow("4.99 reads 4.9") << 4.99 << prefix + "4.9対1\u3000AA適合";
    QTest::newRow("1 fails") << 1.0 << prefix + "1.0対1\u3000不適合";
    QTest::newRow("12.75") << 12.75 << prefix + "12.7対1\u3000AAA適合";
}

void TestContrast::announcement()
{
    QFETCH(double, ratio);
    QFETCH(QString, spoken);
    QCOMPARE(contrastAnnouncement(ratio), spoken);
}

// Whole ratios worked out in floating point must not lose a tenth on the way.
void TestContrast::announcementOfComputedRatios_data()
{
    QTest::addColumn<QRgb>("first");
    QTest::addColumn<QRgb>("second");
    QTest::addColumn<QString>("spoken");

    const QString prefix = QStringLiteral("背景とのコントラスト比");
    QTest::newRow("black and white") << qRgb(0, 0, 0) << qRgb(255, 255, 255) << prefix + "21.0対1\u3000AAA適合";
    QTest::newRow("777777 on white")
            << qRgb(0x77, 0x77, 0x77) << qRgb(255, 255, 255) << prefix + "4.4対1\u3000大きな文字のみAA適合";
    QTest::newRow("equal") << qRgb(0xf0, 0xf0, 0xf0) << qRgb(0xf0, 0xf0, 0xf0) << prefix + "1.0対1\u3000不適合";
}

void TestContrast::announcementOfComputedRatios()
{
    QFETCH(QRgb, first);
    QFETCH(QRgb, second);
    QFETCH(QString, spoken);
    QCOMPARE(contrastAnnouncement(contrastRatio(first, second)), spoken);
}

QTEST_GUILESS_MAIN(TestContrast)
#include "tst_contrast.moc"
