#pragma once

#include <QString>

#include <memory>

namespace MeCab {
class Tagger;
}

// Where mecab-ipadic-utf8 installs its dictionary. Named directly rather than through the system's
// default, which may be another dictionary or another encoding.
inline constexpr char ipadicFolder[] = "/var/lib/mecab/dic/ipadic-utf8";

// Japanese text as a voice that cannot read kanji (espeak-ng) can say it: every word with kanji
// becomes its reading in hiragana, from the morphological analyser MeCab, with a few of this
// program's own words read from a fixed table. Everything else stays as it is, but a decimal
// point between digits is read "てん", and Latin letters are kept apart from kana by a space,
// because espeak-ng spells out a word that mixes the two.
class KanaReading
{
public:
    explicit KanaReading(QString dictionaryFolder = QString::fromLatin1(ipadicFolder));
    ~KanaReading();
    KanaReading(const KanaReading &) = delete;
    KanaReading &operator=(const KanaReading &) = delete;

    // The text with its kanji read. Texts with nothing to change come back at once, without
    // MeCab; when MeCab or its dictionary cannot be loaded, every text comes back unchanged.
    QString read(const QString &text);

private:
    // MeCab is loaded on the first text that needs it, and only tried once.
    MeCab::Tagger *tagger();

    QString dictionaryFolder;
    std::unique_ptr<MeCab::Tagger> loadedTagger;
    bool loadTried = false;
};
