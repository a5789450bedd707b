// The focus announcements and the read-aloud commands: the exact texts, one reading each, and
// silence everywhere else. The near-name, description and contrast commands: tst_colourcommands.

#include "support/testwindow.h"

#include "widgets/channelbox.h"

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

class TestAnnouncements : public QObject
{
    Q_OBJECT

private slots:
    void readAloudCommands_data();
    void readAloudCommands();
    void shapeIsCircleBeforeAnyShapeCommand();
    void boxAnnouncesCaptionAndText_data();
    void boxAnnouncesCaptionAndText();
    void focusByTabMouseAndProgramIsAnnouncedEachTime();
    void firstFocusWhenShownIsAnnounced();
    void listAnnouncesTheSelectedEntry_data();
    void listAnnouncesTheSelectedEntry();
    void colourChangeListSelectionAndMessagesAreSilent();
    void focusBackFromAMenuIsNoNewFocus_data();
    void focusBackFromAMenuIsNoNewFocus();
    void windowComingBackIsNoNewFocus_data();
    void windowComingBackIsNoNewFocus();

private:
    // Started, shown and active, with a known palette state and nothing spoken yet.
    static ProbedWindow &speakingWindow(TestRig &rig, const QString &name = QStringLiteral("あか"));
    static void triggerEachReadAloudCommand(ProbedWindow &window);
};

// The current colour is the table's first entry, chosen in the list; the background is its second
// entry. Both carry the given name (an empty one counts as none).
ProbedWindow &TestAnnouncements::speakingWindow(TestRig &rig, const QString &name)
{
    rig.writeTable(name + QStringLiteral(",0a1b2c\r\n") + name + QStringLiteral(",d4e5f6\r\n"));
    rig.writeFile(QStringLiteral("backcolor.dat"), "f6e5d4\r\n");
    auto &window = rig.start();
    window.list1->setCurrentRow(0);
    window.choose("mnushape3");
    window.window.show();
    if (!QTest::qWaitForWindowActive(&window.window))
        qFatal("the window did not become active");
    rig.voices->calls.clear();
    return window;
}

void TestAnnouncements::triggerEachReadAloudCommand(ProbedWindow &window)
{
    const char *names[] = {"Mnured",       "Mnugreen",    "Mnublue",        "Mnuname",
                           "mnuall",       "mnubackred",  "Mnubackgreen",   "Mnubackblue",
                           "Mnubackname",  "mnubackall",  "mnukatachiyomi", "mnunearname",
                           "mnusetsumei",  "mnucontrast"};
    for (const char *name : names)
        window.window.findChild<QAction *>(QLatin1String(name))->trigger();
}

// Each command is run by its shortcut key pressed inside a channel box. The name column is the
// table name of both the current and the background colour.
void TestAnnouncements::readAloudCommands_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");

    const QKeyCombination F1 = Qt::Key_F1, F2 = Qt::Key_F2, F3 = Qt::Key_F3, F4 = Qt::Key_F4,
                          F5 = Qt::Key_F5;
    const QKeyCombination ctrlF1 = Qt::CTRL | Qt::Key_F1, ctrlF2 = Qt::CTRL | Qt::Key_F2,
                          ctrlF3 = Qt::CTRL | Qt::Key_F3, ctrlF4 = Qt::CTRL | Qt::Key_F4,
                          ctrlF5 = Qt::CTRL | Qt::Key_F5;

    QTest::newRow("Mnured: red text") << F1 << "あか" << "0A";
    QTest::newRow("Mnugreen: green text") << F2 << "あか" << "1B";
    QTest::newRow("Mnublue: blue text") << F3 << "あか" << "2C";

    QTest::newRow("Mnuname: separator not spoken") << F4 << "あか" << "あか";
    QTest::newRow("Mnuname: tabs are no blanks") << F4 << "\tあか\t" << "\tあか\t";
    QTest::newRow("Mnuname: star kept") << F4 << "*aqua" << "*aqua";
    QTest::newRow("Mnuname: no name, empty text") << F4 << "" << "";

    QTest::newRow("mnuall: name, its separator, code") << F5 << "あか" << "あか\u30000a1b2c";
    QTest::newRow("mnuall: no name, code alone") << F5 << "" << "0a1b2c";
    QTest::newRow("mnuall: star kept") << F5 << "\t*aqua" << "\t*aqua\u30000a1b2c";

    QTest::newRow("mnubackred: background red text") << ctrlF1 << "あか" << "d4";
    QTest::newRow("Mnubackgreen: background green text") << ctrlF2 << "あか" << "e5";
    QTest::newRow("Mnubackblue: background blue text") << ctrlF3 << "あか" << "f6";

    QTest::newRow("Mnubackname: one star removed") << ctrlF4 << "*aqua" << "aqua";
    QTest::newRow("Mnubackname: a lone star leaves nothing") << ctrlF4 << "*" << "";
    QTest::newRow("Mnubackname: of two stars one stays") << ctrlF4 << "**aqua" << "*aqua";
    QTest::newRow("Mnubackname: a star inside stays") << ctrlF4 << "a*b" << "a*b";
    QTest::newRow("Mnubackname: tabs kept") << ctrlF4 << "\tあか\t" << "\tあか\t";
    QTest::newRow("Mnubackname: no name, empty text") << ctrlF4 << "" << "";

    QTest::newRow("mnubackall: name, ASCII space, red green blue")
            << ctrlF5 << "あか" << "あか d4e5f6";
    QTest::newRow("mnubackall: no name, space and digits") << ctrlF5 << "" << " d4e5f6";
    QTest::newRow("mnubackall: one star removed") << ctrlF5 << "**aqua" << "*aqua d4e5f6";

    QTest::newRow("mnukatachiyomi: shape name")
            << (Qt::SHIFT | Qt::CTRL | Qt::Key_F5) << "あか" << "楕円形";
}

void TestAnnouncements::readAloudCommands()
{
    QFETCH(QKeyCombination, key);
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    TestRig rig;
    auto &window = speakingWindow(rig, name);

    QTest::keyClick(window.text1, key.key(), key.keyboardModifiers());
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

void TestAnnouncements::shapeIsCircleBeforeAnyShapeCommand()
{
    TestRig rig;
    auto &window = rig.start();

    window.window.findChild<QAction *>(QStringLiteral("mnukatachiyomi"))->trigger();
    QCOMPARE(rig.voices->spoken(), QStringList({"円形"}));
}

void TestAnnouncements::boxAnnouncesCaptionAndText_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("red box") << "text1" << "128" << "レッドの値の文字入力" + crlf + "128";
    QTest::newRow("green box") << "text2" << "7" << "グリーンの値の文字入力" + crlf + "7";
    QTest::newRow("blue box") << "text3" << "255" << "ブルーの値の文字入力" + crlf + "255";
    QTest::newRow("empty box ends in CR LF") << "text1" << "" << "レッドの値の文字入力" + crlf;
    QTest::newRow("invalid text as it stands") << "text2" << "9x" << "グリーンの値の文字入力" + crlf + "9x";
    QTest::newRow("hexadecimal text") << "text3" << "fF" << "ブルーの値の文字入力" + crlf + "fF";
}

void TestAnnouncements::boxAnnouncesCaptionAndText()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    TestRig rig;
    auto &window = speakingWindow(rig);
    auto *channelBox = window.window.findChild<ChannelBox *>(box);
    channelBox->setText(text);
    window.command2->setFocus();
    rig.voices->calls.clear();

    channelBox->setFocus();
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

void TestAnnouncements::focusByTabMouseAndProgramIsAnnouncedEachTime()
{
    TestRig rig;
    auto &window = speakingWindow(rig);
    window.text1->setText(QStringLiteral("1"));
    window.text2->setText(QStringLiteral("2"));
    window.text3->setText(QStringLiteral("3"));
    window.text1->setFocus();
    rig.voices->calls.clear();

    QTest::keyClick(window.text1, Qt::Key_Tab);
    QTest::mouseClick(window.text3, Qt::LeftButton);
    window.text1->setFocus();
    QTest::keyClick(window.text1, Qt::Key_Tab);
    QCOMPARE(rig.voices->spoken(),
             QStringList({"グリーンの値の文字入力" + crlf + "2", "ブルーの値の文字入力" + crlf + "3",
                          "レッドの値の文字入力" + crlf + "1", "グリーンの値の文字入力" + crlf + "2"}));
    QCOMPARE(rig.voices->calls.count(QStringLiteral("BusyWait")), 4);
}

void TestAnnouncements::firstFocusWhenShownIsAnnounced()
{
    TestRig rig;
    auto &window = rig.start();

    window.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce("レッドの値の文字入力" + crlf + window.text1->text()));
}

void TestAnnouncements::listAnnouncesTheSelectedEntry_data()
{
    QTest::addColumn<int>("selected"); // -1: none
    QTest::addColumn<int>("current");  // -1: none
    QTest::addColumn<QString>("spoken");

    const QString caption = "色見本リストの選択" + crlf;
    QTest::newRow("no selection: nothing after the line break") << -1 << -1 << caption;
    QTest::newRow("selected entry") << 1 << 1 << caption + "2\u3000*aqua";
    QTest::newRow("selected, not current") << 1 << 0 << caption + "2\u3000*aqua";
    QTest::newRow("current but not selected") << -1 << 0 << caption;
    QTest::newRow("entry with an empty name") << 2 << 2 << caption + "3\u3000";
}

void TestAnnouncements::listAnnouncesTheSelectedEntry()
{
    QFETCH(int, selected);
    QFETCH(int, current);
    QFETCH(QString, spoken);
    TestRig rig;
    auto &window = speakingWindow(rig);
    window.list1->clear();
    window.list1->addItems({"1\u3000あか", "2\u3000*aqua", "3\u3000"});
    if (current >= 0)
        window.list1->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    window.list1->clearSelection();
    if (selected >= 0)
        window.list1->item(selected)->setSelected(true);
    window.command2->setFocus();
    rig.voices->calls.clear();

    window.list1->setFocus();
    QCOMPARE(rig.voices->calls, FakeVoices::spokenOnce(spoken));
}

void TestAnnouncements::colourChangeListSelectionAndMessagesAreSilent()
{
    TestRig rig;
    auto &window = speakingWindow(rig);
    auto *update = window.window.findChild<QAction *>(QStringLiteral("mnukoushin"));
    window.list1->clear();
    window.list1->addItems({"1\u3000あか", "2\u3000あお"});
    window.list1->setFocus();
    rig.voices->calls.clear();

    window.list1->setCurrentRow(1);
    window.text1->setText(QStringLiteral("12"));
    update->trigger(); // a valid colour is committed
    window.text1->setText(QStringLiteral("300"));
    update->trigger(); // an invalid one is reported in a message box
    QCOMPARE(rig.messages->texts(), QStringList{QStringLiteral("redの値を255以下にして下さい")});
    QVERIFY(rig.voices->calls.isEmpty());
}

void TestAnnouncements::focusBackFromAMenuIsNoNewFocus_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("announced");
    QTest::newRow("popup closed") << int(Qt::PopupFocusReason) << false;
    QTest::newRow("menu bar left") << int(Qt::MenuBarFocusReason) << false;
    QTest::newRow("window activated") << int(Qt::ActiveWindowFocusReason) << true;
    QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
}

void TestAnnouncements::focusBackFromAMenuIsNoNewFocus()
{
    QFETCH(int, reason);
    QFETCH(bool, announced);
    TestRig rig;
    auto &window = speakingWindow(rig);
    const QList<QWidget *> controls = {window.text2, window.list1};
    for (QWidget *control : controls) {
        rig.voices->calls.clear();
        QFocusEvent focusIn(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(control, &focusIn);
        QCOMPARE(rig.voices->spoken().size(), announced ? 1 : 0);
    }
}

// The window gets the focus back as a whole, after a real message box or from another window:
// the box that had the focus has it again, and nothing is said until the focus really moves.
void TestAnnouncements::windowComingBackIsNoNewFocus_data()
{
    QTest::addColumn<bool>("messageBox");
    QTest::newRow("message box closed") << true;
    QTest::newRow("another window left") << false;
}

void TestAnnouncements::windowComingBackIsNoNewFocus()
{
    QFETCH(bool, messageBox);
    TestRig rig;
    rig.realMessageBoxes = true;
    auto &window = speakingWindow(rig);
    window.text2->setFocus();
    window.text2->setText(QStringLiteral("9x"));
    rig.voices->calls.clear();

    if (messageBox) {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTest::keyClick(window.text2, Qt::Key_F8);
        QCOMPARE(shown, QStringLiteral("greenの値が数字ではありません"));
    } else {
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    // A window manager gives the window back its activation; this platform has none.
    window.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    QTRY_COMPARE(QApplication::focusWidget(), window.text2);
    QVERIFY(rig.voices->calls.isEmpty());

    QTest::keyClick(window.text2, Qt::Key_Tab);
    QCOMPARE(rig.voices->spoken(), QStringList{"ブルーの値の文字入力" + crlf + window.text3->text()});
}

QTEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"
