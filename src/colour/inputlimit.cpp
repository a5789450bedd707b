#include "colour/inputlimit.h"

#include <algorithm>

BoxText limitEdit(const QString &before, const QString &after, int cursorAfter, int limit)
{
    if (after.size() <= limit)
        return {after, cursorAfter};

    // What follows the cursor is the old text's untouched end, so the inserted text ends at the
    // cursor: the common start and end alone would misplace it when it repeats its neighbours.
    // An undo leaves the cursor before the text it puts back; then the common end stands in.
    qsizetype end = after.size() - cursorAfter;
    if (end < 0 || end > before.size() || !before.endsWith(QStringView(after).right(end))) {
        const qsizetype shorter = std::min(before.size(), after.size());
        end = 0;
        while (end < shorter && before[before.size() - 1 - end] == after[after.size() - 1 - end])
            ++end;
    }
    qsizetype start = 0;
    while (start < std::min(before.size(), after.size()) - end && before[start] == after[start])
        ++start;
    // Neither the start nor the end of the inserted stretch may fall inside a character.
    if (end > 0 && after[after.size() - end].isLowSurrogate())
        --end;
    if (start > 0 && after[start - 1].isHighSurrogate())
        --start;

    const qsizetype inserted = after.size() - start - end;
    const qsizetype removed = before.size() - start - end;
    if (inserted == 0)
        return {after, cursorAfter};

    qsizetype room = limit - start - end;
    if (room > 0 && room < inserted && after[start + room - 1].isHighSurrogate())
        --room;
    if (room <= 0)
        return {before, int(start + removed)};
    return {after.left(start + room) + after.right(end), int(start + room)};
}
