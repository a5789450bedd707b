#include "colour/inputlimit.h"

#include <algorithm>

BoxText limitEdit(const QString &before, const QString &after, int cursorAfter, int limit)
{
    if (after.size() <= limit)
        return {after, cursorAfter};

    // Find what the edit inserted: what lies between the longest common start and end.
    const int shorter = int(std::min(before.size(), after.size()));
    int start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    int end = 0;
    while (end < shorter - start
           && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    const int inserted = int(after.size()) - start - end;
    const int removed = int(before.size()) - start - end;
    if (inserted == 0)
        return {after, cursorAfter};

    int room = limit - (int(after.size()) - inserted);
    // Never keep half of a character that needs two code units.
    if (room > 0 && after[start + room - 1].isHighSurrogate())
        --room;
    if (room <= 0)
        return {before, start + removed};
    return {after.left(start + room) + after.right(end), start + room};
}
