#pragma once

#include <QString>

// The program's texts as Open JTalk, the natural Japanese voice, should be given them, so that it
// reads every word right after speech-dispatcher's symbol processing has had its say:
// - a colour name with its reading in brackets is said once, by that reading, in katakana;
// - a colour name without one keeps its 色 as いろ, not the しょく of a compound;
// - codes and two-digit channel values are spelled one character at a time, in pairs;
// - a decimal point is written 点, which the server's symbol processing leaves alone;
// - a line break becomes a pause (、), since the voice reads one line;
// - the words the voice's dictionary reads wrongly in these texts get their reading.
// Nothing comes back for a text without anything to say ("#" or "*" alone), because the voice
// fails on such a text instead of staying silent.
QString naturalVoiceForm(const QString &text);
