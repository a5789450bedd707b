#pragma once

#include <QString>

// Japanese letters as the contents of a regular expression's character class, written out because
// \p{Han} also takes punctuation such as "。" that Japanese shares with Chinese. Both voices' text
// forms use them.
inline const QString hiraganaLetters = QStringLiteral("\\x{3041}-\\x{3096}\\x{309D}\\x{309E}");
inline const QString katakanaLetters = QStringLiteral("\\x{30A1}-\\x{30FA}\\x{30FC}-\\x{30FE}");
inline const QString kanjiLetters = QStringLiteral(
        "\\x{3005}-\\x{3007}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{F900}-\\x{FAFF}"
        "\\x{20000}-\\x{3134F}");
