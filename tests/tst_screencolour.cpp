// The colour under the pointer, read from a real X server. CTest runs this under xvfb-run, once
// at scale 1 and once at scale 2, so device pixels and logical pixels differ.

#include "platform/desktopscreencolourreader.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

class TestScreenColour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsThePixelUnderThePointer_data();
    void readsThePixelUnderThePointer();

private:
    QWidget patch;
};

void TestScreenColour::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: ctest runs this under xvfb-run, which make test installs");
    // The reader would ask a Wayland desktop's portal instead of reading this X server.
    qunsetenv("WAYLAND_DISPLAY");
    QCOMPARE(QProcess::execute(QStringLiteral("xsetroot"), {"-solid", "#3a7bd5"}), 0);
    // A window of another colour shows that the pixel comes from where the pointer is.
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xd5, 0x50, 0x3a));
    patch.setPalette(palette);
    patch.setGeometry(100, 100, 50, 50);
    patch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&patch));
}

void TestScreenColour::readsThePixelUnderThePointer_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QString>("colour");

    QTest::newRow("the root window") << QPoint(10, 10) << "#3a7bd5";
    QTest::newRow("the window's first pixel") << QPoint(100, 100) << "#d5503a";
    QTest::newRow("the window's last pixel") << QPoint(149, 149) << "#d5503a";
    QTest::newRow("just past the window") << QPoint(150, 149) << "#3a7bd5";
}

void TestScreenColour::readsThePixelUnderThePointer()
{
    QFETCH(QPoint, pointer);
    QFETCH(QString, colour);
    QCursor::setPos(pointer);
    QTRY_COMPARE(QCursor::pos(), pointer);
    DesktopScreenColourReader reader;
    QTRY_COMPARE(reader.colourUnderPointer().value_or(QColor()).name(), colour);
}

QTEST_MAIN(TestScreenColour)
#include "tst_screencolour.moc"
