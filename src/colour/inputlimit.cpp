#include "colour/inputlimit.h"

#include <algorithm>
#include <optional>

namespace {

// Between the two halves of a surrogate pair, where no edit may begin or end.
bool insideCharacter(const QString &text, qsizetype position)
{
    return position > 0 && position < text.size() && text[position - 1].isHighSurrogate()
           && text[position].isLowSurrogate();
}

qsizetype commonStart(const QString &a, const QString &b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < shorter && a[n] == b[n])
        ++n;
    return n;
}

qsizetype commonEnd(const QString &a, const QString &b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < shorter && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

// The untouched stretches at the start and the end of the text, in code units.
struct Untouched
{
    qsizetype start = 0;
    qsizetype end = 0;
};

// The edit replaced the selection and left the cursor after what it inserted.
std::optional<Untouched> selectionReplaced(const QString &before, const QString &after,
                                           int cursorAfter, Selection selected)
{
    const qsizetype start = selected.start;
    const qsizetype end = before.size() - selected.start - selected.length;
    if (start < 0 || selected.length < 0 || end < 0 || cursorAfter != after.size() - end
        || start > cursorAfter || QStringView(after).left(start) != QStringView(before).left(start)
        || QStringView(after).right(end) != QStringView(before).right(end))
        return std::nullopt;
    return Untouched{start, end};
}

// Without the selection: what follows the cursor is the old text's untouched end, so the
// inserted text ends at the cursor; the common start and end alone would misplace it when it
// repeats its neighbours. An undo leaves the cursor before the text it puts back; then the
// common end stands in.
Untouched foundFromTexts(const QString &before, const QString &after, int cursorAfter)
{
    qsizetype end = after.size() - cursorAfter;
    if (end < 0 || end > before.size() || !before.endsWith(QStringView(after).right(end)))
        end = commonEnd(before, after);
    const qsizetype start
        = std::min(commonStart(before, after), std::min(before.size(), after.size()) - end);
    return {start, end};
}

} // namespace

BoxText limitEdit(const QString &before, const QString &after, int cursorAfter, int limit,
                  Selection selected)
{
    if (after.size() <= limit || after == before)
        return {after, cursorAfter};
    // Only deleted: the old text with one stretch left out.
    if (after.size() < before.size()
        && commonStart(before, after) + commonEnd(before, after) >= after.size())
        return {after, cursorAfter};

    Untouched untouched = selectionReplaced(before, after, cursorAfter, selected)
                              .value_or(foundFromTexts(before, after, cursorAfter));
    // Neither the start nor the end of the inserted stretch may fall inside a character.
    if (insideCharacter(after, after.size() - untouched.end))
        --untouched.end;
    if (insideCharacter(after, untouched.start))
        --untouched.start;
    const auto [start, end] = untouched;

    const qsizetype inserted = after.size() - start - end;
    const qsizetype removed = before.size() - start - end;
    if (inserted == 0)
        return {after, cursorAfter};

    qsizetype room = limit - start - end;
    if (room > 0 && room < inserted && insideCharacter(after, start + room))
        --room;
    if (room <= 0)
        return {before, int(start + removed)};
    return {after.left(start + room) + after.right(end), int(start + room)};
}
