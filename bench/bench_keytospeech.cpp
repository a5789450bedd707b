// From a key press in the window to the start of speech, with the real Open JTalk voice behind a
// private speech-dispatcher set up as Debian sets up a user's: F4, F5 and Ctrl+F6, each pressed
// 50 times, with long texts sent in parts and sent whole. Run with `make bench`; it takes about
// 40 minutes, since every text is spoken to its end.
//
// Two moments are timed from the press. BEGIN is the server's report that the program's text
// began. speech-dispatcher 0.11's generic module reports it before it even runs its command, so
// on such a server it says nothing about the voice; the module written here therefore also notes
// when Open JTalk has its audio ready, which is when a listener would hear the first sound. The
// module then takes as long as the audio lasts (playing it to no device), so each text ends when
// it would with the voice.
//
// KOLVARENTA_OPENJTALK_CONF (a CMake cache variable) names a generic module configuration to use
// instead of the one written here; the audio-ready moment is then timed only if its command
// appends `date +%s%N` to the file named by the environment variable KOLVARENTA_AUDIO_READY.

#include "platform/speechdispatchervoice.h"
#include "support/privatespeechserver.h"
#include "support/testwindow.h"
#include "widgets/channelbox.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr int presses = 50;
constexpr double targetMilliseconds = 250;

const QString openJTalkConfig = QStringLiteral(KOLVARENTA_OPENJTALK_CONF);
const QString moduleName = QStringLiteral("openjtalk-generic");
const QString dictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
const QString htsVoice =
        QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");

// Open JTalk reads only the first line of its text file; the server's preprocessing has turned
// line breaks into blanks already. The voice speaks 16-bit mono at 48 kHz, 96 bytes a millisecond
// after the 44-byte header.
const QString speakScript = QStringLiteral(
        "#!/bin/sh\n"
        "set -e\n"
        "dir=$(mktemp -d)\n"
        "trap 'rm -rf \"$dir\"' EXIT\n"
        "printf '%s\\n' \"$1\" > \"$dir/text\"\n"
        "open_jtalk -x '%1' -m '%2' -s 48000 -ow \"$dir/speech.wav\" \"$dir/text\"\n"
        "date +%s%N >> \"$KOLVARENTA_AUDIO_READY\"\n"
        "ms=$(( ($(stat -c %s \"$dir/speech.wav\") - 44) / 96 ))\n"
        "sleep \"$((ms / 1000)).$(printf %03d $((ms % 1000)))\"\n");

const QString moduleSettings = QStringLiteral("GenericExecuteSynth \"sh '%1' '$DATA'\"\n"
                                              "GenericMaxChunkLength 1000\n"
                                              "GenericLanguage \"ja\" \"ja\" \"utf-8\"\n"
                                              "AddVoice \"ja\" \"MALE1\" \"nitech\"\n"
                                              "DefaultVoice \"nitech\"\n");

qint64 nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
}

// Set on libspeechd's event thread by the first BEGIN after it was cleared.
std::atomic<qint64> firstBegin {0};

void noteBegin()
{
    qint64 none = 0;
    firstBegin.compare_exchange_strong(none, nowNanoseconds());
}

class BenchVoices : public VoiceFactory
{
public:
    BenchVoices(QString socketPath, bool splitLongTexts)
        : socketPath(std::move(socketPath)), splitLongTexts(splitLongTexts)
    {
    }
    std::unique_ptr<Voice> create(const QString &) override
    {
        return openSpeechDispatcherVoice(socketPath, {splitLongTexts, noteBegin});
    }

private:
    QString socketPath;
    bool splitLongTexts;
};

struct Key
{
    const char *name;
    const char *command;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Key keys[] = {
        {"F4", "mnuname", Qt::Key_F4, Qt::NoModifier},
        {"F5", "mnuall", Qt::Key_F5, Qt::NoModifier},
        {"Ctrl+F6", "mnucontrast", Qt::Key_F6, Qt::ControlModifier},
};

struct Figures
{
    double median;
    double max;
};

std::optional<Figures> figures(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    return Figures {values[values.size() / 2], values.back()};
}

QString described(const std::optional<Figures> &figures)
{
    return figures ? QStringLiteral("median %1 ms, max %2 ms")
                             .arg(figures->median, 0, 'f', 1)
                             .arg(figures->max, 0, 'f', 1)
                   : QStringLiteral("not timed");
}

// The first note the module made after the press, in nanoseconds since the epoch.
std::optional<qint64> audioReady(const QString &notes)
{
    QFile file(notes);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 first = file.readLine().trimmed().toLongLong(&ok);
    return ok ? std::optional(first) : std::nullopt;
}

// A window whose speech object sends long texts in parts or whole, and what its presses took.
struct Side
{
    bool splitLongTexts;
    std::unique_ptr<ProbedWindow> probe;
    std::vector<double> begins {};
    std::vector<double> readies {};
};

// The two kinds of window take turns, press by press, so that the load of the machine, which
// changes over the minutes a run takes, weighs on both alike.
class Bench
{
public:
    Bench(const QString &socketPath, const QString &audioNotes, int count)
        : socketPath(socketPath), audioNotes(audioNotes), count(count)
    {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../kolvarenta.dat"),
                    folder.filePath(QStringLiteral("kolvarenta.dat")));
    }

    // Returns whether every median with texts in parts stayed within the target.
    bool run()
    {
        Side sides[] = {{true, openWindow(true)}, {false, openWindow(false)}};
        bool withinTarget = true;
        for (const Key &key : keys) {
            for (Side &side : sides) {
                press(side, key); // the first, not counted, wakes the module and the caches
                side.begins.clear();
                side.readies.clear();
            }
            for (int i = 0; i < count; ++i) {
                for (Side &side : sides)
                    press(side, key);
            }
            for (const Side &side : sides) {
                const bool within = report(key, side);
                withinTarget = withinTarget && (within || !side.splitLongTexts);
            }
        }
        return withinTarget;
    }

private:
    std::unique_ptr<ProbedWindow> openWindow(bool splitLongTexts)
    {
        Platform platform = quietFakePlatform(folder.path());
        platform.voices = std::make_unique<BenchVoices>(socketPath, splitLongTexts);
        auto probe = std::make_unique<ProbedWindow>(std::move(platform));
        probe->window.startUp();
        probe->window.show();
        // 露草色（つゆくさいろ）: a name with its reading, against the white background.
        probe->text1->setText(QStringLiteral("61"));
        probe->text2->setText(QStringLiteral("124"));
        probe->text3->setText(QStringLiteral("206"));
        probe->choose("mnukoushin");
        return probe;
    }

    // Presses the key in the side's window and returns once the text has been said, as the
    // window waits for it.
    void press(Side &side, const Key &key)
    {
        side.probe->window.activateWindow();
        if (!QTest::qWaitForWindowActive(&side.probe->window))
            qFatal("the window did not become active");
        side.probe->text1->setFocus();
        QFile::remove(audioNotes);
        firstBegin = 0;
        const qint64 pressed = nowNanoseconds();
        QTest::keyClick(side.probe->text1, key.key, key.modifiers);
        const qint64 began = firstBegin;
        if (began)
            side.begins.push_back((began - pressed) / 1e6);
        if (const std::optional<qint64> ready = audioReady(audioNotes))
            side.readies.push_back((*ready - pressed) / 1e6);
    }

    // Prints the side's figures and returns whether the first sound came within the target.
    bool report(const Key &key, const Side &side) const
    {
        const auto begin = figures(side.begins);
        const auto ready = figures(side.readies);
        std::printf("key to speech, %s (%s), texts %s: BEGIN %s; audio ready %s "
                    "(%d presses, target median under %.0f ms)\n",
                    key.name, key.command, side.splitLongTexts ? "in parts" : "whole",
                    qPrintable(described(begin)), qPrintable(described(ready)), count,
                    targetMilliseconds);
        std::fflush(stdout);
        // The first sound comes with the later of the two.
        return begin && std::max(begin->median, ready ? ready->median : 0.0) <= targetMilliseconds;
    }

    QTemporaryDir folder;
    QString socketPath;
    QString audioNotes;
    int count;
};

QString writeOwnModule(const QTemporaryDir &dir)
{
    const QString script = dir.filePath(QStringLiteral("openjtalk-say.sh"));
    const QString config = dir.filePath(QStringLiteral("openjtalk-generic.conf"));
    QFile scriptFile(script);
    QFile configFile(config);
    if (!scriptFile.open(QIODevice::WriteOnly) || !configFile.open(QIODevice::WriteOnly))
        qFatal("cannot write the Open JTalk module");
    scriptFile.write(speakScript.arg(dictionary, htsVoice).toUtf8());
    configFile.write(moduleSettings.arg(script).toUtf8());
    return config;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // A smaller count for a quick look: bench_keytospeech --presses 5
    const int count = argc == 3 && qstrcmp(argv[1], "--presses") == 0 ? std::atoi(argv[2]) : presses;
    if (!PrivateSpeechServer::installed()
        || QStandardPaths::findExecutable(QStringLiteral("open_jtalk")).isEmpty()
        || (openJTalkConfig.isEmpty() && !QFile::exists(htsVoice))) {
        std::printf("key to speech: skipped, speech-dispatcher, open_jtalk or %s is missing\n",
                    qPrintable(htsVoice));
        return 0;
    }

    QTemporaryDir dir;
    const QString audioNotes = dir.filePath(QStringLiteral("audio-ready.txt"));
    // The server starts the module, which inherits this.
    qputenv("KOLVARENTA_AUDIO_READY", QFile::encodeName(audioNotes));
    const QString config = openJTalkConfig.isEmpty() ? writeOwnModule(dir) : openJTalkConfig;
    PrivateSpeechServer server(PrivateSpeechServer::Settings::DebianDefault, config, moduleName);
    if (!server.ready())
        qFatal("the private speech-dispatcher did not start");
    std::printf("key to speech: module %s\n", qPrintable(config));

    Bench bench(server.socketPath(), audioNotes, count);
    return bench.run() ? 0 : 1;
}
