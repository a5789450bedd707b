// Colours from outside: the clipboard and the screen under the pointer, and the current colour
// made the background, run through the window by their keys.

#include "support/testwindow.h"

#include "widgets/channelbox.h"
#include "widgets/swatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTest>

namespace {

const QString table = QStringLiteral("桜色（さくらいろ）,ffdbed\r\n*white（ホワイト）,ffffff\r\n");

const QKeyCombination pasteKey(Qt::SHIFT, Qt::Key_F6);
const QKeyCombination pointerKey(Qt::SHIFT, Qt::Key_F7);
const QKeyCombination backgroundKey(Qt::SHIFT, Qt::Key_F8);

void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

void paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    press(pasteKey);
}

QStringList shown(const ProbedWindow &w)
{
    return {w.text1->text(), w.text2->text(), w.text3->text(), w.label4->text(),
            w.Shape1->fillColor().name()};
}

} // namespace

class TestColourTaking : public QObject
{
    Q_OBJECT

private slots:
    void aColourIsTakenAsTypedAndSpoken_data();
    void aColourIsTakenAsTypedAndSpoken();
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void currentColourBecomesTheBackground();
    void pastePageAndTextColoursThenHearTheContrast();
};

void TestColourTaking::aColourIsTakenAsTypedAndSpoken_data()
{
    QTest::addColumn<bool>("fromScreen");
    QTest::addColumn<bool>("hexadecimal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("boxesLabelAndSwatch");
    QTest::addColumn<QString>("spoken");

    const QStringList blue{"58", "123", "213", "3a7bd5", "#3a7bd5"};
    const QStringList blueHex{"3A", "7B", "D5", "3a7bd5", "#3a7bd5"};
    const QStringList sakura{"255", "219", "237", "桜色（さくらいろ）\u3000ffdbed", "#ffdbed"};
    QTest::newRow("paste a code, decimal") << false << false << "#3a7bd5" << blue << "3a7bd5";
    QTest::newRow("paste rgb(), hexadecimal")
        << false << true << " rgb(58, 123, 213);\n" << blueHex << "3a7bd5";
    QTest::newRow("paste a table name without its reading")
        << false << false << "桜色" << sakura << "桜色（さくらいろ）\u3000ffdbed";
    QTest::newRow("paste a colour outside sRGB: clipped, and said so")
        << false << false << "color(srgb 1.2 -0.1 0.5)" << QStringList{"255", "0", "128", "ff0080", "#ff0080"}
        << "表示できる範囲の外の色なので、近い色にしました\r\nff0080";
    QTest::newRow("pointer, decimal") << true << false << "#3a7bd5" << blue << "3a7bd5";
    QTest::newRow("pointer, hexadecimal") << true << true << "#3a7bd5" << blueHex << "3a7bd5";
}

void TestColourTaking::aColourIsTakenAsTypedAndSpoken()
{
    QFETCH(bool, fromScreen);
    QFETCH(bool, hexadecimal);
    QFETCH(QString, text);
    QFETCH(QStringList, boxesLabelAndSwatch);
    QFETCH(QString, spoken);
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.startShown();
    w.check1->setChecked(hexadecimal);
    rig.voices->calls.clear();

    if (fromScreen) {
        rig.screen->colour = QColor(text);
        // A second press while the picker is open opens no second one.
        rig.screen->whileReading = [] { press(pointerKey); };
        press(pointerKey);
        QCOMPARE(rig.screen->reads, 1);
    } else {
        paste(text);
    }
    QCOMPARE(shown(w), boxesLabelAndSwatch);
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestColourTaking::refusalChangesNothing_data()
{
    QTest::addColumn<QString>("clipboard"); // "image": a picture and no text
    QTest::addColumn<QString>("message");
    const QString unreadable = QStringLiteral("クリップボードの内容を色として読めません");
    QTest::newRow("empty clipboard") << "" << unreadable;
    QTest::newRow("a picture, no text") << "image" << unreadable;
    QTest::newRow("not a colour") << "notacolour" << unreadable;
    QTest::newRow("a colour space not read") << "color(display-p3 1 0 0)" << unreadable;
    QTest::newRow("no colour on the screen") << "screen" << "画面の色を取得できませんでした";
}

void TestColourTaking::refusalChangesNothing()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    TestRig rig;
    auto &w = rig.startShown();
    w.text2->setText(QStringLiteral("9")); // typed, not committed: it stays as typed
    const QStringList before = shown(w);

    if (clipboard == QLatin1String("screen")) {
        press(pointerKey);
        QCOMPARE(rig.screen->reads, 1);
    } else {
        if (clipboard == QLatin1String("image"))
            QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
        else
            QGuiApplication::clipboard()->setText(clipboard);
        press(pasteKey);
    }
    QCOMPARE(rig.messages->texts(), QStringList{message});
    QCOMPARE(shown(w), before);
    QCOMPARE(w.state().colorcode, QStringLiteral("00FF00"));
    QVERIFY(rig.voices->calls.isEmpty());
}

// The window is painted with the current colour, the background fields follow in the file's
// blue-green-red order, its name is looked up afresh, and shut-down writes it.
void TestColourTaking::currentColourBecomesTheBackground()
{
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile(QStringLiteral("backcolor.dat"), "FFFFFF\r\n");
    auto &w = rig.startShown();
    QCOMPARE(w.state().backcolorname, QStringLiteral("*white（ホワイト）"));

    paste(QStringLiteral("#3a7bd5"));
    rig.voices->calls.clear();
    press(backgroundKey);
    QCOMPARE(w.window.centralWidget()->palette().color(QPalette::Window), QColor(0x3a, 0x7b, 0xd5));
    QCOMPARE(w.state().backcolorcode, QStringLiteral("D57B3A"));
    QCOMPARE(w.state().backredstring + w.state().backgreenstring + w.state().backbluestring,
             QStringLiteral("3A7BD5"));
    QVERIFY(w.state().backcolorname.isEmpty());
    QCOMPARE(rig.voices->spoken(), QStringList{QStringLiteral("背景色にしました\r\n 3A7BD5")});

    paste(QStringLiteral("桜色"));
    rig.voices->calls.clear();
    press(backgroundKey);
    QCOMPARE(rig.voices->spoken(),
             QStringList{QStringLiteral("背景色にしました\r\n桜色（さくらいろ） FFDBED")});
    QVERIFY(w.window.close());
    QCOMPARE(rig.readFile(QStringLiteral("backcolor.dat")), QByteArray("EDDBFF\r\n"));
}

void TestColourTaking::pastePageAndTextColoursThenHearTheContrast()
{
    TestRig rig;
    rig.startShown();
    paste(QStringLiteral("#ffffff"));
    press(backgroundKey);
    paste(QStringLiteral("#777777"));
    rig.voices->calls.clear();
    press(Qt::CTRL | Qt::Key_F6);
    QCOMPARE(rig.voices->spoken(),
             QStringList{QStringLiteral("背景とのコントラスト比4.4対1\u3000大きな文字のみAA適合")});
}

QTEST_MAIN(TestColourTaking)
#include "tst_colourtaking.moc"
