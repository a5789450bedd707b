// The speech object on a real speech-dispatcher. Each test starts a private server: its own
// folder, socket and configuration, and one generic output module that appends every text it is
// given to a file instead of speaking it, so no audio device is needed. The module may be
// registered under the name of a real one, so that the speech object treats it as that one.

#include "support/testwindow.h"

#include "platform/speechdispatchervoice.h"
#include "platform/systemvoices.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <libspeechd.h>

#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

namespace {

const QString serverProgram = QStringLiteral("speech-dispatcher");
const char notInstalled[] = "speech-dispatcher is not installed, so there is no server to speak to";

bool serverInstalled()
{
    return !QStandardPaths::findExecutable(serverProgram).isEmpty();
}

// Every text the module is given lands in the file followed by this mark; the module writes it
// before it finishes, and the server reports the end only after that.
const QString endMark = QStringLiteral("<END>");

class PrivateSpeechServer
{
public:
    // The module's command for each text: by default it waits a little, so that a BusyWait that
    // does not wait shows, and then appends the text.
    explicit PrivateSpeechServer(const QString &synthesis = QString(),
                                 const QString &moduleName = QStringLiteral("filewriter"))
    {
        const QString spoken = dir.filePath(QStringLiteral("spoken.txt"));
        const QString command = synthesis.isEmpty()
                ? QStringLiteral("sleep 0.4; printf '%s%1' '$DATA' >> '%2'").arg(endMark, spoken)
                : synthesis;
        // One chunk per text, so that a text never reaches the file in pieces.
        write(QStringLiteral("modules/filewriter.conf"),
              QStringLiteral("GenericExecuteSynth \"%1\"\n"
                             "GenericMaxChunkLength 100000\n"
                             "GenericLanguage \"ja\" \"ja\" \"utf-8\"\n"
                             "AddVoice \"ja\" \"MALE1\" \"plain\"\n"
                             "DefaultVoice \"plain\"\n")
                      .arg(command));
        // The module opens an audio output when it starts, though it never plays anything: ALSA's
        // null device opens without sound hardware.
        write(QStringLiteral("speechd.conf"),
              QStringLiteral("LogLevel 3\n"
                             "AudioOutputMethod \"alsa\"\n"
                             "AudioALSADevice \"null\"\n"
                             "AddModule \"%2\" \"sd_generic\" \"%1\"\n"
                             "DefaultModule %2\n")
                      .arg(dir.filePath(QStringLiteral("modules/filewriter.conf")), moduleName));
        start({});
    }

    // data/openjtalk-generic.conf, found by the server itself (no AddModule), beside sd_generic
    // alone; the stand-in for ALSA's player writes the size of each sound to the file, a line each.
    struct OpenJTalk { };
    explicit PrivateSpeechServer(OpenJTalk)
    {
        write("speechd.conf", "AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n");
        write("bin/aplay", "#!/bin/sh\nwc -c < \"$1\" >> " + dir.filePath("spoken.txt"));
        QFile::setPermissions(dir.filePath("bin/aplay"), QFile::ReadOwner | QFile::ExeOwner);
        QFile::link("/usr/lib/speech-dispatcher-modules/sd_generic", dir.filePath("bin/sd_generic"));
        QDir(dir.path()).mkpath("modules");
        QFile::link(KOLVARENTA_SOURCE_DIR "/data/openjtalk-generic.conf",
                    dir.filePath("modules/openjtalk-generic.conf"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", dir.filePath("bin:") + environment.value("PATH"));
        process.setProcessEnvironment(environment);
        start({"--module-dir", dir.filePath("bin")});
    }

    void start(const QStringList &more)
    {
        process.setProgram(QStandardPaths::findExecutable(serverProgram));
        process.setArguments(QStringList{"--run-single", "--timeout", "0", "--communication-method",
                                         "unix_socket", "--socket-path", socketPath(),
                                         "--config-dir", dir.path(), "--log-dir", dir.path(),
                                         "--pid-file", dir.filePath("speechd.pid")}
                             + more);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(dir.filePath(QStringLiteral("server.log")));
        process.start();
        process.waitForStarted();
    }

    ~PrivateSpeechServer() { stop(); }

    // True once the server listens on its socket.
    bool ready()
    {
        return QTest::qWaitFor([&] { return QFile::exists(socketPath()); }, 10000);
    }

    void stop()
    {
        process.kill();
        process.waitForFinished();
    }

    QString socketPath() const { return dir.filePath(QStringLiteral("speechd.sock")); }

    QString spoken() const
    {
        QFile file(dir.filePath(QStringLiteral("spoken.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    void write(const QString &name, const QString &text)
    {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write the server's configuration");
    }

    QTemporaryDir dir;
    QProcess process;
};

// A window with the real speech object and fakes for the rest.
std::unique_ptr<ProbedWindow> windowSpeakingTo(const QString &socketPath, const QString &folder,
                                               FakeMessageBox **messages)
{
    Platform platform = quietFakePlatform(folder);
    *messages = static_cast<FakeMessageBox *>(platform.messageBox.get());
    platform.voices = std::make_unique<SystemVoices>(socketPath);
    return std::make_unique<ProbedWindow>(std::move(platform));
}

} // namespace

class TestSpeechDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void textsArriveWholeAndInOrderEachAfterTheOneBefore();
    void emptyTextKeepsTheConnectionWorking();
    void kanjiReachesEspeakNgAsKana();
    void openJTalkIsFoundChosenAndSpeaksEveryLine();
    void busyWaitGivesUpWhenNoEndComes();
    void busyWaitReturnsWhenTheTextIsCancelled();
    void speechFallsSilentWhenTheServerGoes();
    void creationFailsWithoutServer();
    void onlyTheSpeechObjectIdentifierIsKnown();
    void windowSpeaksThroughTheServer();
    void windowWithoutServerOpensSilently();
};

void TestSpeechDispatcher::textsArriveWholeAndInOrderEachAfterTheOneBefore()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    const QString first = QStringLiteral("レッドの値の文字入力\r\n128");
    // (The server itself turns an ideographic space into a plain one on its way to the module.)
    const QString second = QStringLiteral("色見本リストの選択\r\n12 *aqua");
    QElapsedTimer timer;
    timer.start();
    voice->Go(first);
    voice->BusyWait();
    // The module writes the text before it ends: had BusyWait not waited for the end, the file
    // would still be empty.
    QCOMPARE(server.spoken(), first + endMark);
    QVERIFY(timer.elapsed() >= 400);

    voice->Go(second);
    voice->BusyWait();
    QCOMPARE(server.spoken(), first + endMark + second + endMark);
}

void TestSpeechDispatcher::emptyTextKeepsTheConnectionWorking()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    // Sent the way spd_say would send it, an empty text leaves the server waiting for its data,
    // and the next text then hangs for good.
    voice->Go(QString());
    voice->BusyWait();
    voice->Go(QStringLiteral("あお"));
    voice->BusyWait();
    // The empty message went to the module as a blank, and the next text followed it.
    const QStringList messages = server.spoken().split(endMark);
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages[0].trimmed(), QString());
    QCOMPARE(messages[1], QStringLiteral("あお"));
}

// Any other module gets the kanji as they are (the first test); espeak-ng cannot read them.
void TestSpeechDispatcher::kanjiReachesEspeakNgAsKana()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server(QString(), QStringLiteral("espeak-ng"));
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    voice->Go(QStringLiteral("レッドの値の文字入力\r\n0a"));
    voice->BusyWait();
    QCOMPARE(server.spoken(), QStringLiteral("レッドのあたいのもじにゅーりょく\r\n0a") + endMark);
}

// On Debian 12's module; "#" alone, which open_jtalk cannot read, is silent but ends too.
void TestSpeechDispatcher::openJTalkIsFoundChosenAndSpeaksEveryLine()
{
    if (!serverInstalled() || QStandardPaths::findExecutable("open_jtalk").isEmpty())
        QSKIP("speech-dispatcher or open_jtalk is not installed; make test installs both");
    PrivateSpeechServer server(PrivateSpeechServer::OpenJTalk {});
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);
    for (const char *text : {"レッドの値", "レッドの値\r\n128", "#", "it's \"$(x)\""}) {
        voice->Go(text);
        voice->BusyWait();
    }
    const QStringList sizes = server.spoken().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(sizes.size(), 3); // the line after the break makes the second text longer
    QVERIFY2(sizes[0].toInt() > 44 && sizes[1].toInt() > sizes[0].toInt(),
             qPrintable(sizes.join(' ')));
}

void TestSpeechDispatcher::busyWaitGivesUpWhenNoEndComes()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    // The module takes longer than the bound and takes the text, so it does not fail at once.
    PrivateSpeechServer server(QStringLiteral(": '$DATA'; sleep 6"));
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    const qint64 bound = 3000 + 2 * 250; // the base and two characters
    QCOMPARE(speechWaitBound(2).count(), bound);
    QElapsedTimer timer;
    timer.start();
    voice->Go(QStringLiteral("あお"));
    voice->BusyWait();
    QVERIFY2(timer.elapsed() >= bound, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(timer.elapsed() < bound + 1500, qPrintable(QString::number(timer.elapsed())));
}

// Another program (a screen reader, say) cancels all speech: the wait ends with it.
void TestSpeechDispatcher::busyWaitReturnsWhenTheTextIsCancelled()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server(QStringLiteral(": '$DATA'; sleep 6"));
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);
    const QByteArray socket = QFile::encodeName(server.socketPath());
    SPDConnectionAddress address {};
    address.method = SPD_METHOD_UNIX_SOCKET;
    address.unix_socket_name = const_cast<char *>(socket.constData());
    char *error = nullptr;
    SPDConnection *otherProgram =
            spd_open2("other", "main", nullptr, SPD_MODE_SINGLE, &address, 0, &error);
    std::free(error);
    QVERIFY(otherProgram);

    QElapsedTimer timer;
    timer.start();
    voice->Go(QStringLiteral("あお"));
    std::thread canceller([&] {
        std::this_thread::sleep_for(300ms);
        spd_cancel_all(otherProgram);
    });
    voice->BusyWait();
    const qint64 waited = timer.elapsed();
    canceller.join();
    spd_close(otherProgram);
    QVERIFY2(waited >= 300 && waited < speechWaitBound(2).count(),
             qPrintable(QString::number(waited)));
}

void TestSpeechDispatcher::speechFallsSilentWhenTheServerGoes()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);
    voice->Go(QStringLiteral("あ"));
    voice->BusyWait();

    server.stop();
    QTest::qWait(200);
    QElapsedTimer timer;
    timer.start();
    voice->Go(QStringLiteral("い"));
    voice->BusyWait();
    voice->Go(QStringLiteral("う"));
    voice->BusyWait();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    voice.reset();
    QCOMPARE(server.spoken(), QStringLiteral("あ") + endMark);
}

void TestSpeechDispatcher::creationFailsWithoutServer()
{
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!openSpeechDispatcherVoice(dir.filePath(QStringLiteral("nobody.sock"))));
    // An explicit socket names a server someone else runs: none is started for it.
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nobody.sock"))));
    QVERIFY(timer.elapsed() < 1000);
}

void TestSpeechDispatcher::onlyTheSpeechObjectIdentifierIsKnown()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    SystemVoices voices(server.socketPath());

    QVERIFY(voices.create(QStringLiteral("VbPCTK.Voice")));
    QVERIFY(!voices.create(QStringLiteral("SAPI.SpVoice")));
    QVERIFY(!voices.create(QString()));
}

void TestSpeechDispatcher::windowSpeaksThroughTheServer()
{
    if (!serverInstalled())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    QTemporaryDir folder;
    FakeMessageBox *messages = nullptr;
    auto window = windowSpeakingTo(server.socketPath(), folder.path(), &messages);
    window->window.startUp();
    QCOMPARE(window->state().voiceon, flagOn);

    window->choose("mnukatachiyomi");
    window->choose("Mnured");
    QCOMPARE(server.spoken(), QStringLiteral("円形") + endMark + QStringLiteral("00") + endMark);
}

void TestSpeechDispatcher::windowWithoutServerOpensSilently()
{
    QTemporaryDir folder;
    FakeMessageBox *messages = nullptr;
    auto window = windowSpeakingTo(folder.filePath(QStringLiteral("nobody.sock")), folder.path(),
                                   &messages);
    window->window.startUp();
    window->window.show();

    QVERIFY(window->window.isVisible());
    QCOMPARE(window->state().voiceon, flagOff);
    QVERIFY(!window->mnucolor->menuAction()->isVisible());
    QVERIFY(!window->mnucolor->menuAction()->isEnabled());
    window->choose("Mnured");
    QVERIFY(messages->shown.isEmpty());
}

QTEST_MAIN(TestSpeechDispatcher)
#include "tst_speechdispatcher.moc"
