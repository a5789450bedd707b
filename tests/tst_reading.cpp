// reading and the creation of the speech object: what reaches the speech object, and the window
// without one.

#include "support/testwindow.h"

#include "widgets/channelbox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void readingsInARowEachWaitForTheirEnd();
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
    rig.withSpeech = false;
    return rig.start();
}

void TestReading::showAndActivate(ProbedWindow &window)
{
    window.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
}

// Each reading waits for its text's end before the next one starts.
void TestReading::readingsInARowEachWaitForTheirEnd()
{
    TestRig rig;
    auto &window = rig.start();

    window.choose("Mnured");
    window.choose("Mnugreen");
    QCOMPARE(rig.voices->calls, QStringList({"Go:00", "BusyWait", "Go:FF", "BusyWait"}));
}

void TestReading::startUpCreatesTheSpeechObject()
{
    TestRig rig;
    auto &window = rig.start();

    QCOMPARE(rig.voices->requested, QStringList({"VbPCTK.Voice"}));
    QCOMPARE(window.state().voiceon, flagOn);
    QVERIFY(window.mnucolor->menuAction()->isVisible());
    QVERIFY(window.mnucolor->menuAction()->isEnabled());
}

void TestReading::withoutSpeechObjectTheReadAloudMenuGoes()
{
    TestRig rig;
    auto &window = startWithoutSpeech(rig);

    QCOMPARE(rig.voices->requested, QStringList({"VbPCTK.Voice"}));
    QCOMPARE(window.state().voiceon, flagOff);
    QVERIFY(!window.mnucolor->menuAction()->isVisible());
    QVERIFY(!window.mnucolor->menuAction()->isEnabled());
    QVERIFY(rig.messages->shown.isEmpty());

    QStringList shownMenus;
    for (QAction *action : window.window.menuBar()->actions()) {
        if (action->isVisible())
            shownMenus << action->objectName();
    }
    QCOMPARE(shownMenus, QStringList({"mnuclip", "mnusetting", "mnuother"}));
}

// The read-aloud keys and the focus moving through the boxes and the list all pass silently;
// with no speech object there is nothing to call.
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

    QVERIFY(rig.messages->shown.isEmpty());
    QVERIFY(window.window.isVisible());
}

// The update key sits in the hidden menu but stays at work; the other items there do nothing.
void TestReading::withoutSpeechObjectF8StillUpdatesTheColour()
{
    TestRig rig;
    auto &window = startWithoutSpeech(rig);
    showAndActivate(window);
    QSignalSpy updates(window.window.findChild<QAction *>(QStringLiteral("mnukoushin")),
                       &QAction::triggered);
    QSignalSpy redReadings(window.window.findChild<QAction *>(QStringLiteral("Mnured")),
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
