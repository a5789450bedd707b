#pragma once

#include <csignal>

// Holds SIGPIPE back from the calling thread while it lives, and swallows one raised meanwhile.
// libspeechd writes to its socket with write(): once the speech server has gone away, that write
// would end the whole program with SIGPIPE. Under the guard it only fails, and so does the speech.
class BrokenPipeGuard
{
public:
    BrokenPipeGuard();
    ~BrokenPipeGuard();
    BrokenPipeGuard(const BrokenPipeGuard &) = delete;
    BrokenPipeGuard &operator=(const BrokenPipeGuard &) = delete;

private:
    sigset_t previousMask;
    bool pendingBefore; // a SIGPIPE that was waiting already is not ours to swallow
};
