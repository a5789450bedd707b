// The clipboard menu: the texts it copies, and the copies on the real clipboard of the running
// platform.

#include "names/clipboardtexts.h"
#include "support/testwindow.h"
#include "window/checkboxstate.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QTest>

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    void codeCopy_data()
    {
        QTest::addColumn<qint16>("hashOption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("copied");
        const QString star = QStringLiteral("*aqua　");
        const QString plain = QStringLiteral("水色　");
        QTest::newRow("on, starred name: #") << qint16(1) << star << "#00ffff";
        QTest::newRow("off, starred name") << qint16(0) << star << "00ffff";
        QTest::newRow("greyed, starred name") << qint16(2) << star << "00ffff";
        QTest::newRow("on, name without star") << qint16(1) << plain << "00ffff";
        QTest::newRow("off, name without star") << qint16(0) << plain << "00ffff";
        QTest::newRow("greyed, name without star") << qint16(2) << plain << "00ffff";
        QTest::newRow("on, no name") << qint16(1) << QString() << "00ffff";
        QTest::newRow("on, star inside the name") << qint16(1) << "a*qua　" << "00ffff";
    }
    void codeCopy()
    {
        QFETCH(qint16, hashOption);
        QFETCH(QString, name);
        QFETCH(QString, copied);
        QCOMPARE(codeClipText(QStringLiteral("00ffff"), name, hashOption), copied);
    }

    void nameCopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("copied");
        QTest::newRow("separator and star dropped") << "*aqua　" << "aqua";
        QTest::newRow("only the first star goes") << "**aqua　" << "*aqua";
        QTest::newRow("star behind a blank goes after the trim") << " *aqua　" << "aqua";
        QTest::newRow("cut before （") << "空色（そらいろ）　" << "空色";
        QTest::newRow("blank before （ stays") << "空色 （そらいろ）　" << "空色 ";
        QTest::newRow("（ first: empty") << "（なし）　" << "";
        QTest::newRow("star then （: empty") << "*（なし）　" << "";
        QTest::newRow("cut at the first of two") << "a（b）c（d）　" << "a";
        QTest::newRow("ASCII ( untouched") << "blue (web)　" << "blue (web)";
        QTest::newRow("no name: empty, not left as it was") << "" << "";
    }
    void nameCopy()
    {
        QFETCH(QString, name);
        QFETCH(QString, copied);
        QCOMPARE(nameClipText(name), copied);
    }

    void nameAndCodeCopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("copied");
        QTest::newRow("name, ideographic space, code") << "水色　" << "水色　00ffff";
        QTest::newRow("no name: the code alone") << "" << "00ffff";
        QTest::newRow("star kept and no # even with the option on") << "*aqua　" << "*aqua　00ffff";
    }
    void nameAndCodeCopy()
    {
        QFETCH(QString, name);
        QFETCH(QString, copied);
        QCOMPARE(allClipText(QStringLiteral("00ffff"), name), copied);
    }

    // The keys reach the commands while the focus is in a channel box, and each copies plain
    // text only.
    void keysCopyFromAChannelBox_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("copied");
        QTest::newRow("F6 code") << QKeyCombination(Qt::Key_F6) << "#00ffff";
        QTest::newRow("F7 name") << QKeyCombination(Qt::Key_F7) << "aqua";
        QTest::newRow("Ctrl+F7 both") << (Qt::CTRL | Qt::Key_F7) << "*aqua　00ffff";
    }
    void keysCopyFromAChannelBox()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, copied);
        TestRig rig;
        rig.writeTable(QStringLiteral("*aqua,00ffff\r\n"));
        ProbedWindow &win = rig.start();
        win.list1->setCurrentRow(0);
        win.check2->setChecked(true);
        win.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&win.window));
        auto *box = win.window.findChild<QWidget *>(QStringLiteral("text1"));
        box->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(),
                 QStringList{QStringLiteral("text/plain")});
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // The greyed "#" option must read back as greyed, and clicks must not lead back to it.
    void greyedOptionGoesOnAtTheFirstClickAndNeverBack()
    {
        TestRig rig;
        ProbedWindow &win = rig.start();
        setCheckBoxState(win.check2, 2);
        QCOMPARE(checkBoxState(win.check2), qint16(2));
        for (const qint16 expected : {1, 0, 1}) {
            win.check2->click();
            QCOMPARE(checkBoxState(win.check2), expected);
        }
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
