// The hand-over of finished messages from libspeechd's thread to the waiting window thread.

#include "platform/finishedmessages.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

using namespace std::chrono_literals;

class TestFinishedMessages : public QObject
{
    Q_OBJECT

private slots:
    void endReportedBeforeTheWaitCounts();
    void endFromAnotherThreadEndsTheWait();
    void anotherMessagesEndDoesNotCount();
    void clearForgetsEarlierEnds();
};

// The server may report the end before the id of the message has even reached the waiter.
void TestFinishedMessages::endReportedBeforeTheWaitCounts()
{
    FinishedMessages finished;
    finished.add(5);
    QVERIFY(finished.waitFor(5, 0ms));
}

void TestFinishedMessages::endFromAnotherThreadEndsTheWait()
{
    FinishedMessages finished;
    QElapsedTimer timer;
    timer.start();
    std::thread reporter([&] {
        std::this_thread::sleep_for(50ms);
        finished.add(7);
    });
    const bool ended = finished.waitFor(7, 5000ms);
    reporter.join();
    QVERIFY(ended);
    QVERIFY(timer.elapsed() >= 50);
    QVERIFY(timer.elapsed() < 5000);
}

void TestFinishedMessages::anotherMessagesEndDoesNotCount()
{
    FinishedMessages finished;
    finished.add(3);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!finished.waitFor(4, 100ms));
    QVERIFY(timer.elapsed() >= 100);
}

void TestFinishedMessages::clearForgetsEarlierEnds()
{
    FinishedMessages finished;
    finished.add(4);
    finished.clear();
    QVERIFY(!finished.waitFor(4, 20ms));
}

QTEST_APPLESS_MAIN(TestFinishedMessages)
#include "tst_finishedmessages.moc"
