#include "platform/quitsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array quitSignals = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do almost nothing; it writes one byte into this pipe and the event loop
// reads it on the other end.
int signalPipe[2] = {-1, -1};

void onQuitSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // After one signal the default comes back, so a second ends a program that hangs in closing.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signalNumber : quitSignals)
        sigaction(signalNumber, &action, nullptr);
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    // Without a pipe the signals keep their default; the program runs as it always did.
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(signalPipe[0], bytes, sizeof bytes) > 0) { }
        emit received();
    });
    setHandler(onQuitSignal);
}

QuitSignals::~QuitSignals()
{
    if (!notifier)
        return;
    setHandler(SIG_DFL);
    delete notifier;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}
