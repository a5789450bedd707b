// The swatch's six outlines: the shape menu, the name it records, and what the swatch draws.

#include "widgets/swatch.h"
#include "support/testwindow.h"

#include <QAction>
#include <QImage>
#include <QTest>

class TestShapes : public QObject
{
    Q_OBJECT

private slots:
    void menuItemSetsKindAndName_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("1 rectangle") << 1 << 0 << "長方形";
        QTest::newRow("2 square") << 2 << 1 << "正方形";
        QTest::newRow("3 oval") << 3 << 2 << "楕円形";
        QTest::newRow("4 circle, the one already shown") << 4 << 3 << "円形";
        QTest::newRow("5 rounded rectangle") << 5 << 4 << "丸みのある長方形";
        QTest::newRow("6 rounded square") << 6 << 5 << "丸みのある正方形";
    }
    void menuItemSetsKindAndName()
    {
        QFETCH(int, index);
        QFETCH(int, kind);
        QFETCH(QString, name);
        TestRig rig;
        ProbedWindow &win = rig.start();
        win.Shape1->setFillColor(QColor(12, 34, 56));
        auto *item = win.window.findChild<QAction *>(QStringLiteral("mnushape%1").arg(index));
        QVERIFY(!item->isCheckable());
        item->trigger();
        QCOMPARE(win.Shape1->shape(), kind);
        QCOMPARE(win.state().shapename, name);
        QCOMPARE(win.Shape1->fillColor(), QColor(12, 34, 56));
        QVERIFY(rig.voices->calls.isEmpty());
    }

    // A kind outside 0 to 5 leaves the outline as it is, and has no name.
    void refusedKindKeepsOutline_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("below") << -1;
        QTest::newRow("above") << 6;
    }
    void refusedKindKeepsOutline()
    {
        QFETCH(int, kind);
        Swatch swatch;
        swatch.setShape(Shape::Square);
        swatch.setShape(kind);
        QCOMPARE(swatch.shape(), int(Shape::Square));
        QVERIFY(!shapeName(kind));
    }

    // Probes a 120 x 60 swatch: the square kinds take the centred 60 x 60 square, the rounded
    // kinds leave their corners empty.
    void drawsItsOutline_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<bool>("filled");
        const QPoint corner(2, 2), middle(60, 30), side(4, 30), beside(12, 30);
        const QPoint squareCorner(32, 2), topMiddle(60, 2);
        QTest::newRow("rectangle: corner") << int(Shape::Rectangle) << corner << true;
        QTest::newRow("rectangle: left side") << int(Shape::Rectangle) << side << true;
        QTest::newRow("square: beside it") << int(Shape::Square) << beside << false;
        QTest::newRow("square: its corner") << int(Shape::Square) << squareCorner << true;
        QTest::newRow("oval: corner") << int(Shape::Oval) << corner << false;
        QTest::newRow("oval: left side") << int(Shape::Oval) << side << true;
        QTest::newRow("circle: beside it") << int(Shape::Circle) << beside << false;
        QTest::newRow("circle: square's corner") << int(Shape::Circle) << squareCorner << false;
        QTest::newRow("circle: middle") << int(Shape::Circle) << middle << true;
        const int roundedRectangle = Shape::RoundedRectangle;
        const int roundedSquare = Shape::RoundedSquare;
        QTest::newRow("rounded rectangle: corner") << roundedRectangle << corner << false;
        QTest::newRow("rounded rectangle: top") << roundedRectangle << topMiddle << true;
        QTest::newRow("rounded rectangle: side") << roundedRectangle << side << true;
        QTest::newRow("rounded square: beside it") << roundedSquare << beside << false;
        QTest::newRow("rounded square: corner") << roundedSquare << squareCorner << false;
        QTest::newRow("rounded square: top") << roundedSquare << topMiddle << true;
    }
    void drawsItsOutline()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, probe);
        QFETCH(bool, filled);
        const QColor fill(200, 30, 90);
        Swatch swatch;
        swatch.resize(120, 60);
        swatch.setFillColor(fill);
        swatch.setShape(kind);
        QImage image(swatch.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        swatch.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(image.pixelColor(probe) == fill, filled);
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
