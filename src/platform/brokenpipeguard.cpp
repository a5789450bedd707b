#include "platform/brokenpipeguard.h"

#include <pthread.h>

namespace {

sigset_t brokenPipeOnly()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
}

bool brokenPipePending()
{
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGPIPE) == 1;
}

} // namespace

BrokenPipeGuard::BrokenPipeGuard()
    : pendingBefore(brokenPipePending())
{
    const sigset_t set = brokenPipeOnly();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask);
}

BrokenPipeGuard::~BrokenPipeGuard()
{
    if (!pendingBefore && brokenPipePending()) {
        const sigset_t set = brokenPipeOnly();
        const timespec noWait {};
        sigtimedwait(&set, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}
