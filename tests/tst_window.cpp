// The window itself: its controls, tab order, menus with their shortcuts, and the swatch.

#include "widgets/swatch.h"
#include "widgets/channelbox.h"
#include "support/testwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSet>
#include <QTest>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionAndMaximisedState();
    void controls_data();
    void controls();
    void labelsNameTheirControls();
    void tabOrderRunsThroughTheEightControls();
    void menuItems_data();
    void menuItems();
    void menuTree();
    void accessKeysAreUniqueWithinEachMenu();
    void shortcutsWorkInsideBoxesAndList_data();
    void shortcutsWorkInsideBoxesAndList();
    void f10OpensTheFirstMenu();
    void swatchStartsAsGreenCircle();
    void swatchShapes_data();
    void swatchShapes();
};

void TestWindow::captionAndMaximisedState()
{
    TestRig rig;
    auto &w = rig.create();
    QCOMPARE(w.window.objectName(), QStringLiteral("kolvarenta"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("ころもなてい"));
    QVERIFY(w.window.windowState() & Qt::WindowMaximized);
}

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");

    QTest::newRow("text1") << "text1" << "ChannelBox" << "";
    QTest::newRow("text2") << "text2" << "ChannelBox" << "";
    QTest::newRow("text3") << "text3" << "ChannelBox" << "";
    QTest::newRow("list1") << "list1" << "QListWidget" << "";
    QTest::newRow("check1") << "check1" << "QCheckBox" << "16進数で入力";
    QTest::newRow("check2") << "check2" << "QCheckBox"
                            << "先頭に#を付けてコード文字列をクリップボードにコピーする";
    QTest::newRow("command1") << "command1" << "QPushButton" << "色の更新";
    QTest::newRow("command2") << "command2" << "QPushButton" << "終了";
    QTest::newRow("label1") << "label1" << "QLabel" << "レッド";
    QTest::newRow("label2") << "label2" << "QLabel" << "グリーン";
    QTest::newRow("label3") << "label3" << "QLabel" << "ブルー";
    QTest::newRow("label4") << "label4" << "QLabel" << "";
    QTest::newRow("label5") << "label5" << "QLabel" << "色見本リスト";
    QTest::newRow("Shape1") << "Shape1" << "Swatch" << "";
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);

    TestRig rig;
    auto &w = rig.create();
    const auto found = w.window.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.first();
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QString shown;
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        shown = button->text();
    else if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    QCOMPARE(shown, caption);
}

void TestWindow::labelsNameTheirControls()
{
    TestRig rig;
    auto &w = rig.create();
    QCOMPARE(w.text1->accessibleName(), QStringLiteral("レッド"));
    QCOMPARE(w.text2->accessibleName(), QStringLiteral("グリーン"));
    QCOMPARE(w.text3->accessibleName(), QStringLiteral("ブルー"));
    QCOMPARE(w.list1->accessibleName(), QStringLiteral("色見本リスト"));
    QCOMPARE(w.label1->buddy(), w.text1);
    QCOMPARE(w.label5->buddy(), w.list1);
}

void TestWindow::tabOrderRunsThroughTheEightControls()
{
    TestRig rig;
    auto &w = rig.start();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.text1->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w.text1);

    const QList<QWidget *> expected = {w.text2, w.text3, w.list1, w.check1,
                                       w.check2, w.command1, w.command2, w.text1};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next->objectName());
    }
}

void TestWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    const QKeySequence none;
    QTest::newRow("Mnured") << "Mnured" << "red(&r)" << QKeySequence(Qt::Key_F1);
    QTest::newRow("Mnugreen") << "Mnugreen" << "green(&g)" << QKeySequence(Qt::Key_F2);
    QTest::newRow("Mnublue") << "Mnublue" << "blue(&b)" << QKeySequence(Qt::Key_F3);
    QTest::newRow("Mnuname") << "Mnuname" << "色名読み(&n)" << QKeySequence(Qt::Key_F4);
    QTest::newRow("mnuall") << "mnuall" << "色名とコードの読み(&a)" << QKeySequence(Qt::Key_F5);
    QTest::newRow("mnubackred") << "mnubackred" << "バックカラーのred(&d)"
                                << QKeySequence(Qt::CTRL | Qt::Key_F1);
    QTest::newRow("Mnubackgreen") << "Mnubackgreen" << "バックカラーのgreen(&e)"
                                  << QKeySequence(Qt::CTRL | Qt::Key_F2);
    QTest::newRow("Mnubackblue") << "Mnubackblue" << "バックカラーのblue(&l)"
                                 << QKeySequence(Qt::CTRL | Qt::Key_F3);
    QTest::newRow("Mnubackname") << "Mnubackname" << "バックカラーの色名読み(&m)"
                                 << QKeySequence(Qt::CTRL | Qt::Key_F4);
    QTest::newRow("mnubackall") << "mnubackall" << "バックカラーの色名とコードの読み(&c)"
                                << QKeySequence(Qt::CTRL | Qt::Key_F5);
    QTest::newRow("mnukatachiyomi") << "mnukatachiyomi" << "形読み"
                                    << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F5);
    QTest::newRow("mnunearname") << "mnunearname" << "近い色名読み(&s)"
                                 << QKeySequence(Qt::SHIFT | Qt::Key_F4);
    QTest::newRow("mnusetsumei") << "mnusetsumei" << "色の説明読み(&t)"
                                 << QKeySequence(Qt::SHIFT | Qt::Key_F5);
    QTest::newRow("mnucontrast") << "mnucontrast" << "コントラスト比読み(&u)"
                                 << QKeySequence(Qt::CTRL | Qt::Key_F6);
    QTest::newRow("mnukoushin") << "mnukoushin" << "色更新(&k)" << QKeySequence(Qt::Key_F8);
    QTest::newRow("mnuexit") << "mnuexit" << "終了(&x)" << none;
    QTest::newRow("mnucodeclip") << "mnucodeclip" << "コード文字をクリップボードにコピー(&c)"
                                 << QKeySequence(Qt::Key_F6);
    QTest::newRow("mnunameclip") << "mnunameclip" << "色名をクリップボードにコピー(&n)"
                                 << QKeySequence(Qt::Key_F7);
    QTest::newRow("mnuallclip") << "mnuallclip" << "色名とコード文字をクリップボードにコピー(&a)"
                                << QKeySequence(Qt::CTRL | Qt::Key_F7);
    QTest::newRow("mnupastecolor") << "mnupastecolor" << "クリップボードの色を取り込む(&i)"
                                   << QKeySequence(Qt::SHIFT | Qt::Key_F6);
    QTest::newRow("mnuliston") << "mnuliston" << "リストon(&n)" << QKeySequence(Qt::Key_F9);
    QTest::newRow("mnulistoff") << "mnulistoff" << "リストoff(&f)"
                                << QKeySequence(Qt::CTRL | Qt::Key_F9);
    QTest::newRow("mnushape1") << "mnushape1" << "長方形(&a)" << none;
    QTest::newRow("mnushape2") << "mnushape2" << "正方形(&b)" << none;
    QTest::newRow("mnushape3") << "mnushape3" << "楕円形(&c)" << none;
    QTest::newRow("mnushape4") << "mnushape4" << "円形(&d)" << none;
    QTest::newRow("mnushape5") << "mnushape5" << "丸みのある長方形(&e)" << none;
    QTest::newRow("mnushape6") << "mnushape6" << "丸みのある正方形(&f)" << none;
    QTest::newRow("mnupointercolor") << "mnupointercolor" << "マウスポインタの位置の色を取り込む(&m)"
                                     << QKeySequence(Qt::SHIFT | Qt::Key_F7);
    QTest::newRow("mnubackset") << "mnubackset" << "現在の色を背景色にする(&b)"
                                << QKeySequence(Qt::SHIFT | Qt::Key_F8);
    QTest::newRow("mnuhelpopen") << "mnuhelpopen" << "テキストマニュアルを開く(&h)" << none;
    QTest::newRow("mnuver") << "mnuver" << "バージョン(&v)" << none;
    QTest::newRow("mnupage") << "mnupage" << "作者のページへジャンプ" << none;
}

void TestWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    TestRig rig;
    auto &w = rig.create();
    auto *action = w.window.findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QVERIFY(!action->isCheckable());
    QVERIFY(action->isEnabled());
}

void TestWindow::menuTree()
{
    TestRig rig;
    auto &w = rig.create();
    QStringList bar;
    for (QAction *action : w.window.menuBar()->actions())
        bar << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(bar, (QStringList{"mnucolor=読み上げ(&y)", "mnuclip=クリップボード(&c)",
                               "mnusetting=動作変更(&g)", "mnuother=その他(&o)"}));

    auto namesIn = [&](const QString &menuName) {
        QStringList names;
        for (QAction *action : w.window.findChild<QMenu *>(menuName)->actions())
            names << action->objectName();
        return names;
    };
    QCOMPARE(namesIn("mnucolor"),
             (QStringList{"Mnured", "Mnugreen", "Mnublue", "Mnuname", "mnuall", "mnubackred",
                          "Mnubackgreen", "Mnubackblue", "Mnubackname", "mnubackall",
                          "mnukatachiyomi", "mnunearname", "mnusetsumei", "mnucontrast",
                          "mnukoushin", "mnuexit"}));
    QCOMPARE(namesIn("mnuclip"),
             (QStringList{"mnucodeclip", "mnuclipLine1", "mnunameclip", "mnuallclip",
                          "mnupastecolor"}));
    QVERIFY(w.window.findChild<QAction *>("mnuclipLine1")->isSeparator());
    QCOMPARE(namesIn("mnusetting"), (QStringList{"mnuliston", "mnulistoff", "mnukatachi", "mnufocus",
                                                  "mnupointercolor", "mnubackset"}));
    QCOMPARE(namesIn("mnufocus"),
             (QStringList{"mnufocusalways", "mnufocusnoreader", "mnufocusnever"}));
    QCOMPARE(w.window.findChild<QMenu *>("mnukatachi")->title(), QStringLiteral("色表示部の形(&r)"));
    QCOMPARE(namesIn("mnukatachi"), (QStringList{"mnushape1", "mnushape2", "mnushape3",
                                                  "mnushape4", "mnushape5", "mnushape6"}));
    QCOMPARE(namesIn("mnuother"), (QStringList{"mnuhelpopen", "mnuver", "mnupage"}));
}

void TestWindow::accessKeysAreUniqueWithinEachMenu()
{
    TestRig rig;
    auto &w = rig.create();
    for (const QMenu *menu : w.window.findChildren<QMenu *>()) {
        QStringList keys;
        for (const QAction *action : menu->actions()) {
            const qsizetype marker = action->text().indexOf(QLatin1Char('&'));
            if (marker >= 0)
                keys << action->text().mid(marker + 1, 1).toLower();
        }
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }
}

void TestWindow::shortcutsWorkInsideBoxesAndList_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeyCombination>("key");

    QTest::newRow("F1 in text1") << "text1" << "Mnured" << QKeyCombination(Qt::Key_F1);
    QTest::newRow("Ctrl+F5 in text2") << "text2" << "mnubackall"
                                      << QKeyCombination(Qt::CTRL, Qt::Key_F5);
    QTest::newRow("Shift+Ctrl+F5 in text3")
        << "text3" << "mnukatachiyomi" << QKeyCombination(Qt::SHIFT | Qt::CTRL, Qt::Key_F5);
    QTest::newRow("Shift+F4 in text1") << "text1" << "mnunearname"
                                       << QKeyCombination(Qt::SHIFT, Qt::Key_F4);
    QTest::newRow("Shift+F5 in list1") << "list1" << "mnusetsumei"
                                       << QKeyCombination(Qt::SHIFT, Qt::Key_F5);
    QTest::newRow("Ctrl+F6 in text3") << "text3" << "mnucontrast"
                                      << QKeyCombination(Qt::CTRL, Qt::Key_F6);
    QTest::newRow("F6 in list1") << "list1" << "mnucodeclip" << QKeyCombination(Qt::Key_F6);
    QTest::newRow("Ctrl+F9 in list1") << "list1" << "mnulistoff"
                                      << QKeyCombination(Qt::CTRL, Qt::Key_F9);
}

void TestWindow::shortcutsWorkInsideBoxesAndList()
{
    QFETCH(QString, focus);
    QFETCH(QString, action);
    QFETCH(QKeyCombination, key);

    TestRig rig;
    auto &w = rig.start();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    auto *target = w.window.findChild<QWidget *>(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QSignalSpy triggered(w.window.findChild<QAction *>(action), &QAction::triggered);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCOMPARE(triggered.size(), 1);
}

// F10 opens the first menu shown, from a box as from the list.
void TestWindow::f10OpensTheFirstMenu()
{
    TestRig rig;
    auto &w = rig.startShown();
    for (QWidget *focus : {static_cast<QWidget *>(w.text2), static_cast<QWidget *>(w.list1)}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), w.window.findChild<QMenu *>("mnucolor"));
        QApplication::activePopupWidget()->close();
    }
}

void TestWindow::swatchStartsAsGreenCircle()
{
    TestRig rig;
    auto &w = rig.create();
    QCOMPARE(w.Shape1->shape(), int(Shape::Circle));
    QCOMPARE(w.Shape1->fillColor(), QColor(0, 255, 0));
    const QImage image = w.Shape1->grab().toImage();
    QCOMPARE(QColor(image.pixel(image.rect().center())), QColor(0, 255, 0));
    QVERIFY(QColor(image.pixel(1, 1)) != QColor(0, 255, 0)); // outside the circle
}

void TestWindow::swatchShapes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("fillsCorner");     // the top left corner of the area is painted
    QTest::addColumn<bool>("fillsWideMargin"); // a point left of the centred square is painted

    QTest::newRow("rectangle") << 0 << true << true;
    QTest::newRow("square") << 1 << false << false;
    QTest::newRow("oval") << 2 << false << true;
    QTest::newRow("circle") << 3 << false << false;
    QTest::newRow("rounded rectangle") << 4 << false << true;
    QTest::newRow("rounded square") << 5 << false << false;
}

void TestWindow::swatchShapes()
{
    QFETCH(int, kind);
    QFETCH(bool, fillsCorner);
    QFETCH(bool, fillsWideMargin);

    Swatch swatch;
    swatch.resize(300, 100);
    swatch.setFillColor(Qt::blue);
    swatch.setShape(kind);
    QCOMPARE(swatch.shape(), kind);
    const QImage image = swatch.grab().toImage();
    const QColor blue(Qt::blue);
    QCOMPARE(QColor(image.pixel(150, 50)), blue);
    QCOMPARE(QColor(image.pixel(3, 3)) == blue, fillsCorner);
    QCOMPARE(QColor(image.pixel(30, 50)) == blue, fillsWideMargin);

    swatch.setShape(6);
    swatch.setShape(-1);
    QCOMPARE(swatch.shape(), kind);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
