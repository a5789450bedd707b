#pragma once

#include <QString>

// The input limit of a channel box, as a rule on one edit. An edit replaces a stretch of the
// text with what the user typed, pasted or dropped; the inserted text ends at the cursor. What
// is inserted is cut to the room the limit leaves, never inside a character; when no room is
// left, or the text would stay over the limit without the insertion, the edit is refused whole.
// An edit whose result is the old text, or the old text with a stretch left out, always passes,
// so a text that is longer than the limit (written by the program) can still be shortened.

struct BoxText
{
    QString text;
    int cursor = 0;
};

// What the box had selected before the edit, or where its cursor stood with nothing selected.
struct Selection
{
    int start = 0;
    int length = 0;
};

// The text and cursor the box keeps after an edit turned `before` into `after`. The stretch the
// edit replaced is the selection when the texts and the cursor agree with that (typing and
// pasting); otherwise (an undo, a drop) it is found from the texts and the cursor.
BoxText limitEdit(const QString &before, const QString &after, int cursorAfter, int limit,
                  Selection selected);
