#pragma once

#include <QString>
#include <QStringList>

// A long text is sent to the speech service in parts, so the voice begins with the first part
// while the rest is still to come. Open JTalk synthesizes a whole message before it makes a sound:
// it takes about 90 ms to start and 12 ms more for each character (measured on a two-core
// machine), so a 30-character text keeps the listener waiting almost half a second, and its first
// 8 characters less than 200 ms. Each further part pays the start again, heard as a pause between
// parts.

// A shorter part is mostly that start: splitting it off would cost a pause and gain less than it.
// Counted in letters and digits, which are what the voice reads; blanks and marks take no time,
// and the speech service drops most of them anyway.
inline constexpr qsizetype shortestSpokenPart = 8;

// The parts a text is spoken in, split where a listener hears a pause anyway: at a line break
// (CR LF), after 、 and 。, and at an ideographic space. A part is split off only when it and the
// rest of the text each have at least shortestSpokenPart letters and digits, so short texts stay
// whole. Line breaks and spaces between two parts are dropped; 、 and 。 stay with the part they
// end.
QStringList spokenParts(const QString &text);
