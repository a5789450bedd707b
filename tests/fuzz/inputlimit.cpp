// The input limit of a channel box on real edits: a stretch of the box's text is replaced by
// typed or pasted text, or an undo puts deleted text back. The input is read as
//   byte 0  the limit, 1 to 4
//   byte 1  even: typed or pasted over the selected stretch (the cursor ends after the
//           insertion); odd: an undo that puts back a deleted stretch (the cursor ends before
//           it, and the box's selection says nothing of the edit)
//   byte 2  the number of characters of the text before the edit, 0 to 8
//   byte 3, 4  where the replaced stretch starts and how long it is
//   the rest: one character per byte, first the text before the edit, then the inserted text.
// The characters are few, so that edits repeat their neighbours, and some take two code units
// sharing a half with another.

#include "colour/inputlimit.h"

#include "fuzzcheck.h"

#include <QList>

#include <algorithm>

namespace {

const QString alphabet[] = {
    QStringLiteral("1"),          QStringLiteral("2"),          QStringLiteral("5"),
    QStringLiteral("f"),          QStringLiteral("X"),          QStringLiteral("\U0001F600"),
    QStringLiteral("\U0001F601"), QStringLiteral("\U0001F200"),
};

struct Edit
{
    int limit = 0;
    bool undo = false;
    QString before;
    qsizetype start = 0; // in code units, at a character boundary
    qsizetype removed = 0;
    QString inserted;

    QString after() const { return before.left(start) + inserted + before.mid(start + removed); }
    int cursorAfter() const { return int(start + (undo ? 0 : inserted.size())); }
};

Edit editOf(QByteArrayView input)
{
    Edit edit;
    const auto byteAt = [&](qsizetype i) { return i < input.size() ? uchar(input[i]) : 0; };
    edit.limit = 1 + byteAt(0) % 4;
    edit.undo = byteAt(1) % 2 == 1;
    const qsizetype characters = byteAt(2) % 9;
    QList<qsizetype> boundaries{0};
    for (qsizetype i = 5; i < input.size(); ++i) {
        QString &part = i - 5 < characters ? edit.before : edit.inserted;
        part += alphabet[uchar(input[i]) % std::size(alphabet)];
        if (i - 5 < characters)
            boundaries.append(edit.before.size());
    }
    const qsizetype first = byteAt(3) % boundaries.size();
    const qsizetype last = first + byteAt(4) % (boundaries.size() - first);
    edit.start = boundaries[first];
    edit.removed = boundaries[last] - edit.start;
    return edit;
}

// What the limit keeps of the edit read with `front` code units untouched before the inserted
// stretch and `tail` after it: the insertion cut to the room the limit leaves, without halving
// a character, or the old text when no room is left.
QString kept(const QString &before, const QString &after, qsizetype front, qsizetype tail,
             int limit)
{
    const QString inserted = after.mid(front, after.size() - tail - front);
    if (after.size() <= limit || inserted.isEmpty())
        return after;
    qsizetype room = limit - front - tail;
    if (room > 0 && room < inserted.size() && inserted[room - 1].isHighSurrogate()
        && inserted[room].isLowSurrogate())
        --room;
    if (room <= 0)
        return before;
    return after.left(front + room) + after.right(tail);
}

bool onlyDeletes(const QString &before, const QString &after)
{
    for (qsizetype start = 0; start <= after.size(); ++start) {
        if (before.startsWith(QStringView(after).left(start))
            && before.endsWith(QStringView(after).mid(start)) && after.size() < before.size())
            return true;
    }
    return false;
}

// The box tells the limit what was selected, so the edit is known: the insertion is cut to the
// room left, or, when the new text is the old one or the old one with a stretch left out, it
// passes whole.
void checkTypedOrPasted(const Edit &edit, const BoxText &result)
{
    const QString after = edit.after();
    const qsizetype tail = after.size() - edit.cursorAfter();
    const QString expected = after == edit.before || onlyDeletes(edit.before, after)
                                 ? after
                                 : kept(edit.before, after, edit.start, tail, edit.limit);
    require(result.text == expected, "the inserted text is cut to the room the limit leaves", [&] {
        return codeUnits(result.text) + QStringLiteral(" instead of ") + codeUnits(expected);
    });
    if (result.text == after)
        require(result.cursor == edit.cursorAfter(), "an edit kept whole keeps its cursor");
    else if (result.text != edit.before)
        require(result.cursor == result.text.size() - tail,
                "the cursor stands after what was kept of the insertion");
}

qsizetype commonStart(const QString &a, const QString &b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// Without the cursor at its end, the inserted stretch is found from the texts alone; whatever
// is kept is the new text with at most one stretch of it left out.
void checkUndo(const Edit &edit, const BoxText &result)
{
    const QString after = edit.after();
    const qsizetype front = commonStart(result.text, after);
    require(result.text == edit.before || after.endsWith(QStringView(result.text).mid(front)),
            "what is kept is the old text, or the new one with one stretch left out",
            [&] { return codeUnits(result.text); });
}

} // namespace

void checkInput(QByteArrayView input)
{
    const Edit edit = editOf(input);
    // An undo happens wherever the selection is; a selection that does not fit the edit is the
    // case of a drop or an undo, where the limit finds the edit from the texts.
    const Selection selected = edit.undo ? Selection{int(edit.start + edit.removed), 0}
                                         : Selection{int(edit.start), int(edit.removed)};
    const BoxText result
        = limitEdit(edit.before, edit.after(), edit.cursorAfter(), edit.limit, selected);

    const auto detail = [&] {
        return codeUnits(edit.before) + QStringLiteral(" -> ") + codeUnits(edit.after())
               + QStringLiteral(" kept ") + codeUnits(result.text);
    };
    require(isWellFormed(result.text), "the limit never splits a character", detail);
    require(result.text.size() <= std::max(qsizetype(edit.limit), edit.before.size()),
            "an edit never takes the box beyond its limit", detail);
    require(result.cursor >= 0 && result.cursor <= result.text.size(),
            "the cursor stays in the text", detail);
    require(result.cursor == result.text.size() || !result.text[result.cursor].isLowSurrogate(),
            "the cursor never stands inside a character", detail);

    if (edit.undo)
        checkUndo(edit, result);
    else
        checkTypedOrPasted(edit, result);
}
