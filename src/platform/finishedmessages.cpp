#include "platform/finishedmessages.h"

void FinishedMessages::clear()
{
    const std::lock_guard lock(mutex);
    ids.clear();
}

void FinishedMessages::add(int messageId)
{
    {
        const std::lock_guard lock(mutex);
        ids.insert(messageId);
    }
    changed.notify_all();
}

bool FinishedMessages::waitFor(int messageId, std::chrono::milliseconds bound)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, bound, [&] { return ids.contains(messageId); });
}
