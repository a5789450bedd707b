// Writing to a socket whose other end has gone must fail, not end the program.

#include "platform/brokenpipeguard.h"

#include <QTest>

#include <cerrno>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool brokenPipeBlocked()
{
    sigset_t mask;
    pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    return sigismember(&mask, SIGPIPE) == 1;
}

bool brokenPipePending()
{
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGPIPE) == 1;
}

} // namespace

class TestBrokenPipeGuard : public QObject
{
    Q_OBJECT

private slots:
    void writeToAGoneServerFailsQuietly();
    void signalMaskIsRestored_data();
    void signalMaskIsRestored();
};

// Without the guard this test program would end here with SIGPIPE.
void TestBrokenPipeGuard::writeToAGoneServerFailsQuietly()
{
    int ends[2];
    QCOMPARE(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    close(ends[1]);
    {
        const BrokenPipeGuard guard;
        QCOMPARE(write(ends[0], "x", 1), ssize_t(-1));
        QCOMPARE(errno, EPIPE);
    }
    close(ends[0]);
    QVERIFY(!brokenPipePending());
    QVERIFY(!brokenPipeBlocked());
}

void TestBrokenPipeGuard::signalMaskIsRestored_data()
{
    QTest::addColumn<bool>("blockedBefore");
    QTest::newRow("not blocked before") << false;
    QTest::newRow("blocked before stays blocked") << true;
}

void TestBrokenPipeGuard::signalMaskIsRestored()
{
    QFETCH(bool, blockedBefore);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(blockedBefore ? SIG_BLOCK : SIG_UNBLOCK, &pipe, nullptr);
    {
        const BrokenPipeGuard guard;
        QVERIFY(brokenPipeBlocked());
    }
    QCOMPARE(brokenPipeBlocked(), blockedBefore);
    pthread_sigmask(SIG_UNBLOCK, &pipe, nullptr);
}

QTEST_APPLESS_MAIN(TestBrokenPipeGuard)
#include "tst_brokenpipeguard.moc"
