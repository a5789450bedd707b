#pragma once

#include <QString>

// The input limit of a channel box, as a rule on one edit. An edit replaces a stretch of the
// text with what the user typed, pasted or dropped; the inserted text ends at the cursor. What
// is inserted is cut to the room the limit leaves, never inside a character; when no room is
// left, or the text would stay over the limit without the insertion, the edit is refused whole.
// An edit that only deletes always passes, so a text that is longer than the limit (written by
// the program) can still be shortened.

struct BoxText
{
    QString text;
    int cursor = 0;
};

// The text and cursor the box keeps after an edit turned `before` into `after`.
BoxText limitEdit(const QString &before, const QString &after, int cursorAfter, int limit);
