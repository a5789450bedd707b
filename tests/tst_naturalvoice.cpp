// Every text the program can say, as the natural Japanese voice hears it: in the form the speech
// object gives that voice, through a real speech-dispatcher with Debian's default symbol
// processing, then read by Open JTalk's own front end (open_jtalk -ot). What the voice would say
// must be the reading that tests/data/natural-readings.tsv gives for the text.

#include "colour/colourdescription.h"
#include "colour/contrast.h"
#include "names/colourtable.h"
#include "names/nearestname.h"
#include "names/shapes.h"
#include "names/textrules.h"
#include "platform/naturalvoiceform.h"
#include "platform/speechdispatchervoice.h"
#include "support/privatespeechserver.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

const QString voiceFile =
        QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");
const QString dictionaryFolder = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
const QString lineBreak = QStringLiteral("\r\n");

QList<ColourTableEntry> shippedTable()
{
    QFile file(QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/kolvarenta.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readColourTable(file).value_or(QList<ColourTableEntry>());
}

QString twoHexDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

// Each text the program says, built the way its commands build them, from the shipped table, the
// web's colour keywords, every channel value in both notations, a grid of colours and every
// contrast figure.
QStringList everySpokenText()
{
    QStringList texts;
    const QList<ColourTableEntry> table = shippedTable();
    for (const char *caption : {"レッド", "グリーン", "ブルー"})
        texts << QString::fromUtf8(caption) + QStringLiteral("の値の文字入力") + lineBreak;
    for (int value = 0; value < 256; ++value) {
        texts << twoHexDigits(value) << QString::number(value);
        texts << QStringLiteral("レッドの値の文字入力") + lineBreak + twoHexDigits(value);
        texts << QStringLiteral("ブルーの値の文字入力") + lineBreak + QString::number(value);
    }
    texts << QStringLiteral("色見本リストの選択") + lineBreak;
    for (qsizetype k = 0; k < table.size(); ++k) {
        const ColourTableEntry &entry = table[k];
        texts << QStringLiteral("色見本リストの選択") + lineBreak + QString::number(k + 1)
                        + ideographicSpace + entry.name;
        texts << entry.name << removeStar(entry.name);
        texts << entry.name + ideographicSpace + entry.code;
        texts << removeStar(entry.name) + QLatin1Char(' ') + entry.code;
        texts << nearestNameAnnouncement(entry.name, (k * 37 % 1000) / 10.0 + 0.5);
        texts << QStringLiteral("背景色にしました") + lineBreak + removeStar(entry.name)
                        + QLatin1Char(' ') + entry.code;
    }
    // A table of one's own may hold a web keyword without its reading.
    QFile keywords(QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/sources/css-named.tsv"));
    keywords.open(QIODevice::ReadOnly);
    for (const QByteArray &line : keywords.readAll().split('\n').mid(1)) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() > 1)
            texts << QStringLiteral("*") + QString::fromLatin1(fields[0]) + ideographicSpace
                            + QString::fromLatin1(fields[1]);
    }
    texts << QStringLiteral("色名はありません") << noNamedColourAnnouncement();
    texts << QStringLiteral("表示できる範囲の外の色なので、近い色にしました") + lineBreak + QStringLiteral("ff0000");
    for (int kind = 0; kind < Shape::kindCount; ++kind)
        texts << *shapeName(kind);
    for (const char *choice : {"いつも読み上げる", "スクリーンリーダーがないときだけ読み上げる",
                               "読み上げない"})
        texts << QStringLiteral("フォーカスの読み上げ、") + QString::fromUtf8(choice);
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15)
                texts << describeColour(qRgb(r, g, b));
        }
    }
    for (int tenths = 10; tenths <= 210; ++tenths)
        texts << contrastAnnouncement(tenths / 10.0);
    texts.removeDuplicates();
    return texts;
}

// Reading as a voice sounds it: katakana, without pauses and accent marks, with a long vowel
// written one way (キュウ and キュー, ケイ and ケー, オウ and オー are each said alike), and with the voice's own spelling of a
// "シ" before a long vowel (スィー) taken as what it stands for.
QString comparable(QString reading)
{
    reading.remove(QRegularExpression(QStringLiteral("[、。’？ \\x{3000}]")));
    reading.replace(QStringLiteral("スィ"), QStringLiteral("シ")).replace(u'ヲ', u'オ');
    static const QString rows[] = {
        QStringLiteral("アカガサザタダナハバパマヤャラワァ"), QStringLiteral("イキギシジチヂニヒビピミリィ"),
        QStringLiteral("ウクグスズツヅヌフブプムユュルゥ"), QStringLiteral("エケゲセゼテデネヘベペメレェ"),
        QStringLiteral("オコゴソゾトドノホボポモヨョロォ"),
    };
    // Each long vowel spelled out by the vowel it lengthens, オウ as オオ and エイ as エエ.
    const QString vowels = QStringLiteral("アイウエオ");
    auto rowOf = [&](QChar c) {
        for (int row = 0; row < 5; ++row) {
            if (rows[row].contains(c))
                return row;
        }
        return -1;
    };
    for (qsizetype i = 1; i < reading.size(); ++i) {
        const int before = rowOf(reading[i - 1]);
        if (before >= 0 && (reading[i] == u'ー' || (reading[i] == u'ウ' && before == 4)
                            || (reading[i] == u'イ' && before == 3)))
            reading[i] = vowels[before];
    }
    return reading;
}

QHash<QString, QString> expectedReadings()
{
    QHash<QString, QString> readings;
    QFile file(QStringLiteral(KOLVARENTA_SOURCE_DIR "/tests/data/natural-readings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return readings;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2 && !line.startsWith('#'))
            readings.insert(QString::fromUtf8(fields[0]).replace(QStringLiteral("\\r\\n"), lineBreak),
                            QString::fromUtf8(fields[1]));
    }
    return readings;
}

// Open JTalk reads one line; texts joined by "。" are read in one run, and its analysis, a line
// per word, is cut at the joins again. (A space after the "。" keeps a number behind it a number:
// "。19" it reads as English, ナインティーン.) Each word's tenth field is how it is pronounced. The voice
// speaks eight times as fast as it would, which changes nothing of the reading and spares most of
// the time its synthesis takes.
QStringList openJTalkReadings(const QStringList &texts, QString *failure)
{
    QTemporaryDir dir;
    QFile input(dir.filePath(QStringLiteral("text.txt")));
    if (!input.open(QIODevice::WriteOnly))
        return {};
    input.write(texts.join(QStringLiteral("。\u3000")).toUtf8() + '\n');
    input.close();
    QProcess voice;
    voice.start(QStringLiteral("open_jtalk"),
                {QStringLiteral("-x"), dictionaryFolder, QStringLiteral("-m"), voiceFile,
                 QStringLiteral("-r"), QStringLiteral("8"), QStringLiteral("-ow"),
                 QStringLiteral("/dev/null"), QStringLiteral("-ot"),
                 dir.filePath(QStringLiteral("analysis.txt")), input.fileName()});
    QFile analysis(dir.filePath(QStringLiteral("analysis.txt")));
    if (!voice.waitForFinished(60000) || voice.exitCode() != 0
        || !analysis.open(QIODevice::ReadOnly)) {
        *failure = QStringLiteral("open_jtalk failed on: ") + texts.join(QStringLiteral(" | "));
        return {};
    }
    QStringList readings(1);
    for (const QByteArray &line : analysis.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() < 12)
            continue;
        if (fields[0] == "。" && fields[1] == "記号")
            readings << QString();
        else
            readings.last() += QString::fromUtf8(fields[9]);
    }
    if (readings.size() != texts.size())
        *failure = QStringLiteral("the joined texts came apart wrongly: ")
                 + texts.join(QStringLiteral(" | "));
    return readings;
}

// The readings of all texts, in batches that Open JTalk takes whole, two batches at a time. It
// reads at most 1023 bytes of its line, and overruns its stack on a line of some 150 words.
QStringList readingsOf(const QStringList &texts, QString *failure)
{
    constexpr qsizetype batchBytes = 400;
    QList<std::pair<qsizetype, qsizetype>> batches;
    for (qsizetype first = 0, end = 0; first < texts.size(); first = end) {
        qsizetype bytes = 0;
        for (end = first; end < texts.size() && (end == first || bytes < batchBytes); ++end)
            bytes += texts[end].toUtf8().size() + 3;
        batches.append({first, end});
    }
    QList<QStringList> results(batches.size());
    QStringList failures(batches.size());
    std::atomic<qsizetype> next = 0;
    auto work = [&] {
        for (qsizetype i = next++; i < batches.size(); i = next++) {
            const auto [first, end] = batches[i];
            results[i] = openJTalkReadings(texts.mid(first, end - first), &failures[i]);
        }
    };
    std::thread helper(work);
    work();
    helper.join();
    failures.removeAll(QString());
    *failure = failures.join(u'\n');
    QStringList readings;
    for (const QStringList &result : results)
        readings += result;
    return readings;
}

} // namespace

class TestNaturalVoice : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsReadRight();
    void textsWithoutWordsAreLeftUnsaid_data();
    void textsWithoutWordsAreLeftUnsaid();
};

void TestNaturalVoice::everyTextIsReadRight()
{
    if (QStandardPaths::findExecutable(QStringLiteral("open_jtalk")).isEmpty()
        || !QFile::exists(voiceFile) || !QFile::exists(dictionaryFolder))
        QSKIP("Open JTalk, its dictionary or its voice is not installed");
    // The module only writes down what it is given, each text followed by the end mark.
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("heard.txt"));
    PrivateSpeechServer server(QStringLiteral("printf '%s%1' '$DATA' >> '%2'")
                                       .arg(PrivateSpeechServer::endMark, log),
                               QStringLiteral("openjtalk-generic"),
                               PrivateSpeechServer::Settings::DebianDefault);
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    // A long text may reach the module in parts, one message each; they are read part by part,
    // as the voice reads them, and the readings joined again.
    QFile heardFile(log);
    const QStringList texts = everySpokenText();
    QStringList said;
    QStringList parts;
    QList<qsizetype> partsBefore;
    for (const QString &text : texts) {
        if (naturalVoiceForm(text).isEmpty())
            continue;
        voice->Go(text);
        voice->BusyWait();
        if (!heardFile.isOpen())
            QVERIFY(heardFile.open(QIODevice::ReadOnly));
        QStringList partsOfText = QString::fromUtf8(heardFile.readAll()).split(PrivateSpeechServer::endMark);
        partsOfText.removeLast();
        QVERIFY2(!partsOfText.isEmpty(), qPrintable(text));
        said << text;
        partsBefore << parts.size();
        parts += partsOfText;
    }
    partsBefore << parts.size();

    QString failure;
    const QStringList partReadings = readingsOf(parts, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QHash<QString, QString> expected = expectedReadings();
    QStringList wrong;
    for (qsizetype i = 0; i < said.size(); ++i) {
        const qsizetype count = partsBefore[i + 1] - partsBefore[i];
        const QString reading = partReadings.mid(partsBefore[i], count).join(u'、');
        const QString expectedReading = expected.value(said[i]);
        if (expectedReading.isEmpty() || comparable(reading) != comparable(expectedReading)) {
            wrong << QString(said[i]).replace(lineBreak, QStringLiteral("\\r\\n")) + u'\t' + reading
                            + u'\t' + parts.mid(partsBefore[i], count).join(u'|') + u'\t'
                            + expectedReading;
        }
    }
    // The whole list goes to a file beside the test, in the data file's own form, for review.
    if (!wrong.isEmpty()) {
        QFile list(QStringLiteral("natural-readings.misread.tsv"));
        if (list.open(QIODevice::WriteOnly))
            list.write(wrong.join(u'\n').toUtf8() + '\n');
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(wrong.size())
                                         + QStringLiteral(" misread; all in natural-readings.misread.tsv"
                                                          " (text, heard, as given, expected):\n")
                                         + wrong.mid(0, 20).join(u'\n')));
}

// Open JTalk fails on them, and speech-dispatcher's module for it may then end itself.
void TestNaturalVoice::textsWithoutWordsAreLeftUnsaid_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"", "#", "。", "*", "（）", " \r\n"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestNaturalVoice::textsWithoutWordsAreLeftUnsaid()
{
    QFETCH(QString, text);
    QCOMPARE(naturalVoiceForm(text), QString());
}

QTEST_MAIN(TestNaturalVoice)
#include "tst_naturalvoice.moc"
