// reading and the creation of the speech object: what reaches the speech object, and the window
// without one.

#include "support/testwindow.h"

#include "colour/channelbox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void goGetsTheTextUnchangedThenBusyWait_data();
    void goGetsTheTextUnchangedThenBusyWait();
    void readingsInARowEachWaitForTheirEnd();
    void silentUnlessVoiceonIsTrue_data();
    void silentUnlessVoiceonIsTrue();
    void startUpCreatesTheSpeechObject();
    void withoutSpeechObjectTheReadAloudMenuGoes();
    void withoutSpeechObjectNothingIsSpokenAndNothingBreaks();
    void withoutSpeechObjectF8StillUpdatesTheColour();

private:
    static ProbedWindow &startWithoutSpeech(TestRig &rig);
    static void showAndActivate(ProbedWindow &window);
};

ProbedWindow &TestReading::startWithoutSpeech(TestRig &rig)
{
    auto &window = rig.create();
    rig.voices->available = false;
    window.startUp();
    return window;
}

void TestReading::showAndActivate(ProbedWindow &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestReading::goGetsTheTextUnchangedThenBusyWait_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QStringLiteral("ff");
    QTest::newRow("empty text still goes to Go") << QString();
    QTest::newRow("CR LF kept") << QStringLiteral("レッドの値の文字入力\r\n128");
    QTest::newRow("ending in CR LF") << QStringLiteral("色見本リストの選択\r\n");
    QTest::newRow("blanks at both ends kept") << QStringLiteral("\u3000あか ");
}

void TestReading::goGetsTheTextUnchangedThenBusyWait()
{
    QFETCH(QString, text);
    TestRig rig;
    auto &window = rig.start();

    window.reading(text);
    QCOMPARE(rig.voices->calls, QStringList({QStringLiteral("Go:") + text, "BusyWait"}));
}

void TestReading::readingsInARowEachWaitForTheirEnd()
{
    TestRig rig;
    auto &window = rig.start();

    window.reading(QStringLiteral("a"));
    window.reading(QStringLiteral("b"));
    QCOMPARE(rig.voices->calls, QStringList({"Go:a", "BusyWait", "Go:b", "BusyWait"}));
}

void TestReading::silentUnlessVoiceonIsTrue_data()
{
    QTest::addColumn<int>("voiceon");

    QTest::newRow("false") << 0;
    QTest::newRow("a value other than -1") << 1;
}

void TestReading::silentUnlessVoiceonIsTrue()
{
    QFETCH(int, voiceon);
    TestRig rig;
    auto &window = rig.start();
    QVERIFY(window.voiceobject);

    window.voiceon = qint16(voiceon);
    window.reading(QStringLiteral("a"));
    window.reading(QString());
    QVERIFY(rig.voices->calls.isEmpty());
}

void TestReading::startUpCreatesTheSpeechObject()
{
    TestRig rig;
    auto &window = rig.start();

    QCOMPARE(rig.voices->requested, QStringList({"VbPCTK.Voice"}));
    QVERIFY(window.voiceobject);
    QCOMPARE(window.voiceon, qint16(-1));
    QVERIFY(window.mnucolor->menuAction()->isVisible());
    QVERIFY(window.mnucolor->menuAction()->isEnabled());
}

void TestReading::withoutSpeechObjectTheReadAloudMenuGoes()
{
    TestRig rig;
    auto &window = startWithoutSpeech(rig);

    QCOMPARE(window.voiceon, qint16(0));
    QVERIFY(!window.voiceobject);
    QVERIFY(!window.mnucolor->menuAction()->isVisible());
    QVERIFY(!window.mnucolor->menuAction()->isEnabled());
    QVERIFY(rig.messages->shown.isEmpty());

    QStringList shownMenus;
    for (QAction *action : window.menuBar()->actions()) {
        if (action->isVisible())
            shownMenus << action->objectName();
    }
    QCOMPARE(shownMenus, QStringList({"mnuclip", "mnusetting", "mnuother"}));
}

// The read-aloud keys, the focus moving through the boxes and the list, and a direct reading all
// pass silently; with no speech object there is nothing to call.
void TestReading::withoutSpeechObjectNothingIsSpokenAndNothingBreaks()
{
    TestRig rig;
    auto &window = startWithoutSpeech(rig);
    showAndActivate(window);

    const QKeyCombination keys[] = {
        Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5,
        Qt::CTRL | Qt::Key_F1, Qt::CTRL | Qt::Key_F2, Qt::CTRL | Qt::Key_F3,
        Qt::CTRL | Qt::Key_F4, Qt::CTRL | Qt::Key_F5, Qt::SHIFT | Qt::CTRL | Qt::Key_F5,
    };
    for (const QKeyCombination key : keys)
        QTest::keyClick(window.text1, key.key(), key.keyboardModifiers());
    QTest::keyClick(window.text1, Qt::Key_Tab);
    QTest::keyClick(window.text2, Qt::Key_Tab);
    QTest::keyClick(window.text3, Qt::Key_Tab);
    window.reading(QStringLiteral("a"));

    QVERIFY(rig.messages->shown.isEmpty());
    QVERIFY(window.isVisible());
}

// The update key sits in the hidden menu but stays at work; the other items there do nothing.
void TestReading::withoutSpeechObjectF8StillUpdatesTheColour()
{
    TestRig rig;
    auto &window = startWithoutSpeech(rig);
    showAndActivate(window);
    QSignalSpy updates(window.findChild<QAction *>(QStringLiteral("mnukoushin")),
                       &QAction::triggered);
    QSignalSpy redReadings(window.findChild<QAction *>(QStringLiteral("Mnured")),
                           &QAction::triggered);

    QTest::keyClick(window.text1, Qt::Key_F8);
    QCOMPARE(updates.count(), 1);
    QTest::keyClick(window.text2, Qt::Key_F8);
    QCOMPARE(updates.count(), 2);
    QTest::keyClick(window.text1, Qt::Key_F1);
    QCOMPARE(redReadings.count(), 0);
}

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
