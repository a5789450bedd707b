#include "platform/kanareading.h"

#include "platform/japanesecharacters.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>

#include <mecab.h>

#include <cstring>
#include <vector>

namespace {

// Words of this program that MeCab's dictionary reads wrongly in its texts, with the reading to
// say instead. A word is taken only where MeCab's word boundaries fall at both of its ends, so
// "値" here leaves "数値" alone.
struct FixedReading
{
    const char *word;
    const char *reading;
};
constexpr FixedReading fixedReadings[] = {
    {"値", "あたい"},         // not ね, the price
    {"色差", "しきさ"},       // not いろさ
    {"色名", "しきめい"},     // not いろめい
    {"色", "いろ"},           // behind a colour's name MeCab takes the suffix しょく
    {"はく色", "はくいろ"},   // こはく色 (amber) is cut こ + はく色 (white), read はくしょく
    {"二桁", "ふたけた"},     // not にけた
    {"楕円形", "だえんけい"}, // not だえんがた
};

const QString &kanji = kanjiLetters;
const QString kana = hiraganaLetters + katakanaLetters;

// What the reading changes: kanji, a decimal point, Latin letters against kana.
const QRegularExpression &workToDo()
{
    static const QRegularExpression pattern(
            QStringLiteral("[%1]|\\d\\.\\d|[A-Za-z][%2]|[%2][A-Za-z]").arg(kanji, kana));
    return pattern;
}

// The colour table writes a kanji name's reading behind it in full-width brackets, "桜色（さくらいろ）".
// That reading is the table's own and beats MeCab's guess at rare colour names.
const QRegularExpression &bracketedReading()
{
    static const QRegularExpression pattern(
            QStringLiteral("[%1%2]*[%1][%1%2]*(?=（([%2]+)）)").arg(kanji, kana));
    return pattern;
}

const QRegularExpression &decimalPoint()
{
    static const QRegularExpression pattern(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return pattern;
}

const QRegularExpression &latinAgainstKana()
{
    static const QRegularExpression pattern(
            QStringLiteral("(?<=[A-Za-z])(?=[%1])|(?<=[%1])(?=[A-Za-z])").arg(kana));
    return pattern;
}

bool hasKanji(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("[%1]").arg(kanji));
    return text.contains(pattern);
}

// espeak-ng reads both alike; hiragana keeps the readings apart from the program's katakana words.
QString hiragana(QString text)
{
    for (QChar &c : text) {
        if (c >= QChar(0x30A1) && c <= QChar(0x30F6))
            c = QChar(c.unicode() - 0x60);
    }
    return text;
}

QString withBracketedReadings(const QString &text)
{
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : bracketedReading().globalMatch(text)) {
        result += QStringView(text).sliced(done, match.capturedStart() - done);
        result += hiragana(match.captured(1));
        done = match.capturedEnd();
    }
    result += QStringView(text).sliced(done);
    return result;
}

// One word as MeCab cut it: its bytes in the UTF-8 text and its dictionary entry.
struct Word
{
    qsizetype start;
    qsizetype end;
    const char *feature;
};

// The fixed reading that starts at word `first` and ends where a word ends, the longest if
// several do; `last` becomes the word it ends with.
const char *fixedReadingAt(const QByteArray &bytes, const std::vector<Word> &words,
                           std::size_t first, std::size_t &last)
{
    const char *found = nullptr;
    qsizetype foundLength = 0;
    for (const FixedReading &fixed : fixedReadings) {
        const qsizetype length = qsizetype(std::strlen(fixed.word));
        if (length <= foundLength
            || !QByteArrayView(bytes).sliced(words[first].start).startsWith(fixed.word))
            continue;
        const qsizetype end = words[first].start + length;
        for (std::size_t i = first; i < words.size() && words[i].end <= end; ++i) {
            if (words[i].end == end) {
                found = fixed.reading;
                foundLength = length;
                last = i;
            }
        }
    }
    return found;
}

// The reading of a word from the IPA dictionary's entry: its pronunciation (the ninth field,
// which writes long vowels as "ー" the way espeak-ng voices them), else its reading (the eighth).
// Empty for a word the dictionary does not know.
QString dictionaryReading(const char *feature)
{
    const QList<QByteArray> fields = QByteArray(feature).split(',');
    for (const qsizetype field : {8, 7}) {
        if (fields.size() > field && fields[field] != "*")
            return hiragana(QString::fromUtf8(fields[field]));
    }
    return QString();
}

// Every word with kanji replaced by its reading; the bytes between words (blanks MeCab skips) and
// all other words stay as they are.
QString withKanjiRead(const QString &text, MeCab::Tagger &tagger)
{
    const QByteArray bytes = text.toUtf8();
    std::vector<Word> words;
    for (const MeCab::Node *node = tagger.parseToNode(bytes.constData(), std::size_t(bytes.size()));
         node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const qsizetype start = node->surface - bytes.constData();
        words.push_back({start, start + node->length, node->feature});
    }

    QString result;
    qsizetype done = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        result += QString::fromUtf8(bytes.sliced(done, words[i].start - done));
        std::size_t last = i;
        if (const char *fixed = fixedReadingAt(bytes, words, i, last)) {
            result += QString::fromUtf8(fixed);
            i = last;
        } else {
            const QString surface =
                    QString::fromUtf8(bytes.sliced(words[i].start, words[i].end - words[i].start));
            const QString reading =
                    hasKanji(surface) ? dictionaryReading(words[i].feature) : QString();
            result += reading.isEmpty() ? surface : reading;
        }
        done = words[i].end;
    }
    return result + QString::fromUtf8(bytes.sliced(done));
}

} // namespace

KanaReading::KanaReading(QString dictionaryFolder)
    : dictionaryFolder(std::move(dictionaryFolder))
{
}

KanaReading::~KanaReading() = default;

QString KanaReading::read(const QString &text)
{
    if (!text.contains(workToDo()))
        return text;
    MeCab::Tagger *analyser = tagger();
    if (!analyser)
        return text;
    QString result = withKanjiRead(withBracketedReadings(text), *analyser);
    result.replace(decimalPoint(), QStringLiteral("てん"));
    result.replace(latinAgainstKana(), QStringLiteral(" "));
    return result;
}

MeCab::Tagger *KanaReading::tagger()
{
    if (!loadTried) {
        loadTried = true;
        // An empty resource file, so neither /etc/mecabrc nor the user's ~/.mecabrc can bring in
        // another dictionary.
        QByteArray folder = QFile::encodeName(dictionaryFolder);
        char program[] = "mecab";
        char resourceOption[] = "-r";
        char noResources[] = "/dev/null";
        char dictionaryOption[] = "-d";
        char *arguments[] = {program, resourceOption, noResources, dictionaryOption, folder.data()};
        loadedTagger.reset(MeCab::createTagger(int(std::size(arguments)), arguments));
    }
    return loadedTagger.get();
}
