#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

// The spoken messages whose speaking has ended or was cancelled. libspeechd reports these ends on
// its own thread while the window's thread waits for them; this is all the two threads share, and
// the waiting side owns it.
class FinishedMessages
{
public:
    // Forgets the ends reported so far; called before a new message is sent, because its end may be
    // reported before the send has even returned its id.
    void clear();
    // Called on libspeechd's thread.
    void add(int messageId);
    // Returns once messageId has finished (true) or bound has passed (false).
    bool waitFor(int messageId, std::chrono::milliseconds bound);

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::set<int> ids;
};
