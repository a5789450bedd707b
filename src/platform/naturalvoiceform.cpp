#include "platform/naturalvoiceform.h"

#include "platform/japanesecharacters.h"

#include <QRegularExpression>

#include <functional>

namespace {

// The voice reads hiragana with its dictionary, so a reading such as はなだいろ can come out with
// the particle は said わ; katakana it says as written.
QString katakana(QString text)
{
    for (QChar &c : text) {
        if (c >= QChar(0x3041) && c <= QChar(0x3096))
            c = QChar(c.unicode() + 0x60);
    }
    return text;
}

// A hexadecimal digit as it is said when spelled.
QString spokenDigit(QChar digit)
{
    static const QString names[] = {
        QStringLiteral("ゼロ"), QStringLiteral("イチ"), QStringLiteral("ニ"),
        QStringLiteral("サン"), QStringLiteral("ヨン"), QStringLiteral("ゴ"),
        QStringLiteral("ロク"), QStringLiteral("ナナ"), QStringLiteral("ハチ"),
        QStringLiteral("キュウ"), QStringLiteral("エー"), QStringLiteral("ビー"),
        QStringLiteral("シー"), QStringLiteral("ディー"), QStringLiteral("イー"),
        QStringLiteral("エフ"),
    };
    bool ok = false;
    const int value = QString(digit).toInt(&ok, 16);
    return ok ? names[value] : QString(digit);
}

// Digits apart, pairs (one channel each) apart by a pause: "ff00" → "エフ エフ、ゼロ ゼロ".
QString spelled(const QString &digits)
{
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            result += i % 2 == 0 ? QStringLiteral("、") : QStringLiteral(" ");
        result += spokenDigit(digits[i]);
    }
    return result;
}

// Words that the voice's dictionary reads otherwise in these texts, with their reading.
struct WordReading
{
    const char *word;
    const char *reading;
};
constexpr WordReading wordReadings[] = {
    {"値", "あたい"},         // not ね, the price
    {"色差", "しきさ"},       // not いろさ
    {"色名", "しきめい"},     // not いろめい
    {"楕円形", "だえんけい"}, // not だえんがた
    {"AAA", "トリプルエー"},  // the levels of the web's contrast guidelines, as they are called
    {"AA", "ダブルエー"},
};

// The web's colour keywords by their Japanese names, which the voice reads; the keyword itself
// it would spell letter by letter.
struct KeywordReading
{
    const char *keyword;
    const char *katakana;
};
constexpr KeywordReading keywordReadings[] = {
#include "csskatakana.inc"
};

QString keywordKatakana(const QString &word)
{
    const QByteArray lower = word.toLower().toLatin1();
    for (const KeywordReading &keyword : keywordReadings) {
        if (lower == keyword.keyword)
            return QString::fromUtf8(keyword.katakana);
    }
    return word;
}

struct Rule
{
    QRegularExpression pattern;
    std::function<QString(const QRegularExpressionMatch &)> replacement;
};

QString literal(const QString &text)
{
    return QRegularExpression::escape(text);
}

// The rules in the order they apply; each sees the text as the ones before it left it.
const std::vector<Rule> &rules()
{
    static const std::vector<Rule> table = [] {
        std::vector<Rule> rules;
        // 藤色（ふじいろ） → フジイロ, *aqua（アクア） → アクア.
        rules.push_back({QRegularExpression(QStringLiteral("[^\\s\\x{3000}（）]+（([%1%2・]+)）")
                                                    .arg(hiraganaLetters, katakanaLetters)),
                         [](const auto &m) { return katakana(m.captured(1)); }});
        // A keyword without a reading behind it, such as *lavender in a table of one's own.
        rules.push_back({QRegularExpression(QStringLiteral("(?<![A-Za-z])[A-Za-z]{3,}(?![A-Za-z])")),
                         [](const auto &m) { return keywordKatakana(m.captured()); }});
        // Codes: six hexadecimal digits standing on their own.
        rules.push_back({QRegularExpression(QStringLiteral("(?<![0-9A-Za-z])[0-9A-Fa-f]{6}(?![0-9A-Za-z])")),
                         [](const auto &m) { return spelled(m.captured()); }});
        // A channel's value, alone or on its own line behind a box's caption.
        rules.push_back({QRegularExpression(QStringLiteral("(?<=^|\\n)[0-9A-Fa-f]{1,2}$")),
                         [](const auto &m) { return spelled(m.captured()); }});
        rules.push_back({QRegularExpression(QStringLiteral("(?<=\\d)\\.(?=\\d)")),
                         [](const auto &) { return QStringLiteral("点"); }});
        // A name's closing 色 is いろ; the voice takes it for the しょく of a compound. A name
        // in hiragana goes whole into katakana, so that こはく色 keeps its は.
        const QString nameEnd = QStringLiteral("(?=$|[\\s\\x{3000}]|に近い)");
        rules.push_back({QRegularExpression(QStringLiteral("(?<=^|[\\s\\x{3000}])([%1]+)色")
                                                    .arg(hiraganaLetters) + nameEnd),
                         [](const auto &m) { return katakana(m.captured(1)) + QStringLiteral("イロ"); }});
        rules.push_back({QRegularExpression(QStringLiteral("(?<=[%1])色").arg(kanjiLetters) + nameEnd),
                         [](const auto &) { return QStringLiteral("いろ"); }});
        // Debian's module for the voice says only a text's first line.
        rules.push_back({QRegularExpression(QStringLiteral("\\r?\\n")),
                         [](const auto &) { return QStringLiteral("、"); }});
        for (const WordReading &word : wordReadings) {
            const QString reading = QString::fromUtf8(word.reading);
            rules.push_back({QRegularExpression(literal(QString::fromUtf8(word.word))),
                             [reading](const auto &) { return reading; }});
        }
        return rules;
    }();
    return table;
}

QString applied(const Rule &rule, const QString &text)
{
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : rule.pattern.globalMatch(text)) {
        result += QStringView(text).sliced(done, match.capturedStart() - done);
        result += rule.replacement(match);
        done = match.capturedEnd();
    }
    result += QStringView(text).sliced(done);
    return result;
}

bool hasAnythingToSay(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

QString naturalVoiceForm(const QString &text)
{
    if (!hasAnythingToSay(text))
        return QString();
    QString result = text;
    for (const Rule &rule : rules())
        result = applied(rule, result);
    return result;
}
