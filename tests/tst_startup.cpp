// Start-up and shut-down of the whole window against real files in its program folder.

#include "widgets/swatch.h"
#include "widgets/channelbox.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString table = QStringLiteral("グリーン,00ff00\r\n赤,FF0000\r\n*blue（ブルー）,0000ff\r\n");
const QByteArray bothOff("\0\0\0\0", 4);

QColor windowBackground(ProbedWindow &w)
{
    return w.window.centralWidget()->palette().color(QPalette::Window);
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void firstRunCreatesBothFiles();
    void startsWithGreenAndItsName();
    void background_data();
    void background();
    void foreignFirstLineWrittenBack_data();
    void foreignFirstLineWrittenBack();
    void backgroundNamedFromTable();
    void unreadableBackgroundFileIsKept();
    void hexadecimalOptionRestored();
    void hashOptionRestored();
    void shortAndOversizedCheckFiles();
    void unreadableCheckFileDoesNotEndStartUp();
    void unreadableCheckFileSavedOnceAnOptionIsOn();
    void checkFileIgnoredWithoutTable();
    void tableFailureWritesNothing();
    void optionsSurviveARestart();
    void everyWayOfClosingSaves_data();
    void everyWayOfClosingSaves();
    void unwritableFileIsReported();
    void updateCommands();
};

void TestStartUp::firstRunCreatesBothFiles()
{
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.start();
    QCOMPARE(windowBackground(w), QColor(0xF0, 0xF0, 0xF0));
    QCOMPARE(w.state().backcolorcode, QStringLiteral("F0F0F0"));
    QCOMPARE(w.state().shapename, QStringLiteral("円形"));
    QCOMPARE(w.state().liston, qint16(-1));
    QVERIFY(w.window.close());
    QCOMPARE(rig.readFile("checkfile.dat"), bothOff);
    QCOMPARE(rig.readFile("backcolor.dat"), QByteArray("F0F0F0\r\n"));
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestStartUp::startsWithGreenAndItsName()
{
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.start();
    QCOMPARE(w.text1->text(), QStringLiteral("0"));
    QCOMPARE(w.text2->text(), QStringLiteral("255"));
    QCOMPARE(w.text3->text(), QStringLiteral("0"));
    QCOMPARE(w.state().redstring, QStringLiteral("00"));
    QCOMPARE(w.state().greenstring, QStringLiteral("FF"));
    QCOMPARE(w.state().bluestring, QStringLiteral("00"));
    QCOMPARE(w.state().colorcode, QStringLiteral("00ff00"));
    QCOMPARE(w.state().colorname, QStringLiteral("グリーン\u3000"));
    // The label shows the code alone until the first commit adds the name.
    QCOMPARE(w.label4->text(), QStringLiteral("00FF00"));
    QCOMPARE(w.Shape1->fillColor(), QColor(0, 255, 0));
}

void TestStartUp::background_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("channels"); // red, green, blue texts

    const QColor design(0xF0, 0xF0, 0xF0);
    QTest::newRow("0000FF is red") << QByteArray("0000FF\r\n") << QColor(255, 0, 0) << "0000FF"
                                   << QStringList{"FF", "00", "00"};
    QTest::newRow("FF0000 is blue") << QByteArray("FF0000\r\n") << QColor(0, 0, 255)
                                    << "FF0000" << QStringList{"00", "00", "FF"};
    QTest::newRow("two digits") << QByteArray("FF\r\n") << QColor(255, 0, 0) << "FF"
                                << QStringList{"FF", "", "FF"};
    QTest::newRow("three digits") << QByteArray("ABC") << QColor(0xBC, 0x0A, 0) << "ABC"
                                  << QStringList{"BC", "C", "AB"};
    QTest::newRow("empty first line is black") << QByteArray("\r\n0000FF\r\n") << QColor(0, 0, 0)
                                               << "" << QStringList{"", "", ""};
    QTest::newRow("only the first line counts") << QByteArray("00FF00\r\nFF0000\r\n")
                                                << QColor(0, 255, 0) << "00FF00"
                                                << QStringList{"00", "FF", "00"};
    QTest::newRow("above FFFFFF keeps the design colour")
        << QByteArray("1000000\r\n") << design << "F0F0F0" << QStringList{"F0", "F0", "F0"};
    QTest::newRow("not hexadecimal is black") << QByteArray("zz\r\n") << QColor(0, 0, 0) << "zz"
                                              << QStringList{"zz", "", "zz"};
    QTest::newRow("empty file keeps the design colour")
        << QByteArray() << design << "F0F0F0" << QStringList{"F0", "F0", "F0"};
}

void TestStartUp::background()
{
    QFETCH(QByteArray, file);
    QFETCH(QColor, colour);
    QFETCH(QString, code);
    QFETCH(QStringList, channels);

    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("backcolor.dat", file);
    auto &w = rig.start();
    QCOMPARE(windowBackground(w), colour);
    QCOMPARE(w.state().backcolorcode, code);
    QCOMPARE((QStringList{w.state().backredstring, w.state().backgreenstring, w.state().backbluestring}), channels);

    // What was read is written back as it was read, one line.
    QVERIFY(w.window.close());
    QCOMPARE(rig.readFile("backcolor.dat"), code.toLatin1() + "\r\n");
}

void TestStartUp::foreignFirstLineWrittenBack_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("rest"); // the line end and what follows
    QTest::addColumn<QColor>("colour");

    const QColor red(255, 0, 0), black(0, 0, 0);
    QTest::newRow("UTF-8 byte-order mark, read as its colour")
        << QByteArray("\xEF\xBB\xBF" "0000FF") << QByteArray("\r\n") << red;
    QTest::newRow("the mark, then blanks") << QByteArray("\xEF\xBB\xBF \t0000FF") << QByteArray() << red;
    QTest::newRow("a second mark is no blank")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "0000FF") << QByteArray() << black;
    QTest::newRow("UTF-16 with its byte-order mark")
        << QByteArray("\xFF\xFE" "0\0" "0\0F\0F\0", 10) << QByteArray("\r\0\n\0", 4) << black;
    QTest::newRow("full-width digits, code page 932") << toCodePage932("００００ＦＦ")
                                                       << QByteArray("\n") << black;
    QTest::newRow("full-width digits, UTF-8") << QString("００ＦＦ").toUtf8() << QByteArray() << black;
    QTest::newRow("binary bytes after the digits")
        << QByteArray("0000FF\x00\x80\xA0\xFD\xFF", 11) << QByteArray("\r\nmore") << red;
    QTest::newRow("a very long line") << QByteArray(200'000, '0') + "FF" << QByteArray("\n") << red;
}

void TestStartUp::foreignFirstLineWrittenBack()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, rest);
    QFETCH(QColor, colour);
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("backcolor.dat", line + rest);
    auto &w = rig.start();
    QCOMPARE(windowBackground(w), colour);
    QVERIFY(w.window.close());
    QCOMPARE(rig.messages->texts(), QStringList());
    QCOMPARE(rig.readFile("backcolor.dat"), line + "\r\n");
}

void TestStartUp::backgroundNamedFromTable()
{
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("backcolor.dat", "FF0000\r\n"); // blue
    auto &w = rig.start();
    QCOMPARE(w.state().backcolorname, QStringLiteral("*blue（ブルー）"));
}

void TestStartUp::unreadableBackgroundFileIsKept()
{
    TestRig rig;
    rig.writeTable(table);
    QVERIFY(QDir(rig.folder()).mkdir("backcolor.dat"));
    auto &w = rig.start();
    QCOMPARE(windowBackground(w), QColor(0xF0, 0xF0, 0xF0));
    QCOMPARE(w.state().backcolorcode, QStringLiteral("F0F0F0"));
    QVERIFY(w.window.close());
    QVERIFY(QFileInfo(rig.filePath("backcolor.dat")).isDir());
    QCOMPARE(rig.readFile("checkfile.dat"), bothOff);
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestStartUp::hexadecimalOptionRestored()
{
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("checkfile.dat", QByteArray("\1\0\0\0", 4));
    auto &w = rig.start();
    QCOMPARE(w.check1->checkState(), Qt::Checked);
    QCOMPARE(w.state().checkstate[1], qint16(1));
    QCOMPARE(w.text1->text(), QStringLiteral("00"));
    QCOMPARE(w.text2->text(), QStringLiteral("FF"));
    QCOMPARE(w.text3->text(), QStringLiteral("00"));
    for (ChannelBox *box : {w.text1, w.text2, w.text3})
        QCOMPARE(box->maxInputLength(), 2);
}

void TestStartUp::hashOptionRestored()
{
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("checkfile.dat", QByteArray("\0\0\1\0", 4));
    auto &w = rig.start();
    QCOMPARE(w.check1->checkState(), Qt::Unchecked);
    QCOMPARE(w.check2->checkState(), Qt::Checked);
    QCOMPARE(w.state().checkstate[2], qint16(1));
    QCOMPARE(w.text2->text(), QStringLiteral("255"));
}

void TestStartUp::shortAndOversizedCheckFiles()
{
    {
        TestRig rig;
        rig.writeTable(table);
        rig.writeFile("checkfile.dat", QByteArray("\0\0", 2));
        auto &w = rig.start();
        QCOMPARE(w.state().checkstate[2], qint16(0));
        w.check2->click();
        QVERIFY(w.window.close());
        QCOMPARE(rig.readFile("checkfile.dat"), QByteArray("\0\0\1\0", 4));
    }
    {
        TestRig rig;
        rig.writeTable(table);
        rig.writeFile("checkfile.dat", QByteArray("\0\0\1\0extra", 9));
        auto &w = rig.start();
        QCOMPARE(w.state().checkstate[2], qint16(1));
        w.check2->click();
        QVERIFY(w.window.close());
        QCOMPARE(rig.readFile("checkfile.dat"), QByteArray("\0\0\0\0extra", 9));
    }
}

void TestStartUp::unreadableCheckFileDoesNotEndStartUp()
{
    TestRig rig;
    rig.writeTable(table);
    rig.writeFile("backcolor.dat", "0000FF\r\n");
    QVERIFY(QDir(rig.folder()).mkdir("checkfile.dat"));
    auto &w = rig.start();
    QCOMPARE(w.check1->checkState(), Qt::Unchecked);
    QCOMPARE(w.state().liston, qint16(-1));
    QCOMPARE(w.list1->count(), 3);
    QCOMPARE(windowBackground(w), QColor(255, 0, 0));
    QCOMPARE(w.state().shapename, QStringLiteral("円形"));
    QVERIFY(w.window.close());
    QVERIFY(QFileInfo(rig.filePath("checkfile.dat")).isDir());
    QVERIFY(rig.messages->shown.isEmpty());
}

void TestStartUp::unreadableCheckFileSavedOnceAnOptionIsOn()
{
    // A file that is there but cannot be read right now: an empty folder in its place that
    // the test swaps for nothing before shut-down, so the save has somewhere to go.
    TestRig rig;
    rig.writeTable(table);
    QVERIFY(QDir(rig.folder()).mkdir("checkfile.dat"));
    auto &w = rig.start();
    w.check2->click();
    QVERIFY(QDir(rig.folder()).rmdir("checkfile.dat"));
    QVERIFY(w.window.close());
    QCOMPARE(rig.readFile("checkfile.dat"), QByteArray("\0\0\1\0", 4));
}

void TestStartUp::checkFileIgnoredWithoutTable()
{
    TestRig rig;
    rig.writeFile("checkfile.dat", QByteArray("\1\0\1\0", 4));
    auto &w = rig.start();
    QCOMPARE(w.check1->checkState(), Qt::Unchecked);
    QCOMPARE(w.check2->checkState(), Qt::Unchecked);
    QCOMPARE(w.state().colorcode, QStringLiteral("00FF00"));
    QVERIFY(w.state().colorname.isEmpty());
    QCOMPARE(w.list1->count(), 0);
    QVERIFY(w.list1->isVisibleTo(&w.window));
    QVERIFY(w.window.close());
    // Shut-down writes the states the window had, as a run without the table always has.
    QCOMPARE(rig.readFile("checkfile.dat"), bothOff);
}

void TestStartUp::tableFailureWritesNothing()
{
    TestRig rig;
    QVERIFY(QDir(rig.folder()).mkdir("kolvarenta.dat"));
    rig.writeFile("checkfile.dat", QByteArray("\1\0\1\0", 4));
    rig.writeFile("backcolor.dat", "0000FF\r\n");
    auto &w = rig.start();
    QCOMPARE(rig.messages->texts(), QStringList{"色コードファイルが見つかりません"});
    QVERIFY(w.window.isClosed());
    QCOMPARE(rig.readFile("checkfile.dat"), QByteArray("\1\0\1\0", 4));
    QCOMPARE(rig.readFile("backcolor.dat"), QByteArray("0000FF\r\n"));
}

void TestStartUp::optionsSurviveARestart()
{
    TestRig first;
    first.writeTable(table);
    auto &w = first.start();
    w.check1->click();
    w.check2->click();
    QVERIFY(w.window.close());
    QCOMPARE(first.readFile("checkfile.dat"), QByteArray("\1\0\1\0", 4));

    TestRig second;
    second.writeTable(table);
    second.writeFile("checkfile.dat", first.readFile("checkfile.dat"));
    second.writeFile("backcolor.dat", first.readFile("backcolor.dat"));
    auto &again = second.start();
    QCOMPARE(again.check1->checkState(), Qt::Checked);
    QCOMPARE(again.check2->checkState(), Qt::Checked);
    QCOMPARE(again.text2->text(), QStringLiteral("FF"));
    QVERIFY(again.window.close());
    QCOMPARE(second.readFile("checkfile.dat"), QByteArray("\1\0\1\0", 4));
    QCOMPARE(second.readFile("backcolor.dat"), QByteArray("F0F0F0\r\n"));
}

void TestStartUp::everyWayOfClosingSaves_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("command2") << "command2";
    QTest::newRow("mnuexit") << "mnuexit";
    QTest::newRow("close box") << "close";
}

void TestStartUp::everyWayOfClosingSaves()
{
    QFETCH(QString, how);
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.start();
    w.window.show();
    if (how == "command2")
        w.command2->click();
    else if (how == "mnuexit")
        w.window.findChild<QAction *>("mnuexit")->trigger();
    else
        w.window.close();
    QVERIFY(w.window.isClosed());
    QVERIFY(!w.window.isVisible());
    QCOMPARE(rig.readFile("backcolor.dat"), QByteArray("F0F0F0\r\n"));
    QCOMPARE(rig.readFile("checkfile.dat"), bothOff);
}

void TestStartUp::unwritableFileIsReported()
{
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.start();
    // A folder in the file's place cannot be replaced by a file.
    QVERIFY(QDir(rig.folder()).mkpath("checkfile.dat/inside"));
    QVERIFY(w.window.close());
    QVERIFY(w.window.isClosed());
    QCOMPARE(rig.messages->texts(), QStringList{"checkfile.datを保存できませんでした"});
    QCOMPARE(rig.readFile("backcolor.dat"), QByteArray("F0F0F0\r\n"));
}

void TestStartUp::updateCommands()
{
    TestRig rig;
    rig.writeTable(table);
    auto &w = rig.start();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));

    w.text1->setText("255");
    w.text2->setText("0");
    w.command2->setFocus();
    w.window.findChild<QAction *>("mnukoushin")->trigger();
    QCOMPARE(w.state().colorcode, QStringLiteral("ff0000"));
    QCOMPARE(w.label4->text(), QStringLiteral("赤\u3000ff0000"));
    QCOMPARE(QApplication::focusWidget(), w.command2); // the menu item leaves the focus

    w.text3->setText("255");
    w.command1->click();
    QCOMPARE(w.state().colorcode, QStringLiteral("ff00ff"));
    QCOMPARE(QApplication::focusWidget(), w.text1);

    // After an invalid entry the message shows and the focus still goes to text1.
    w.text1->setText("x");
    w.command2->setFocus();
    w.command1->click();
    QCOMPARE(rig.messages->texts(), QStringList{"redの値が数字ではありません"});
    QCOMPARE(QApplication::focusWidget(), w.text1);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
