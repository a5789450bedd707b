// The speech object on a real speech-dispatcher. Each test starts a private server
// (PrivateSpeechServer) whose one output module writes the texts it is given to a file.

#include "support/privatespeechserver.h"
#include "support/testwindow.h"

#include "platform/speechdispatchervoice.h"
#include "platform/systemvoices.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <libspeechd.h>

#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

namespace {

const char notInstalled[] = "speech-dispatcher is not installed, so there is no server to speak to";

const QString &endMark = PrivateSpeechServer::endMark;

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
    void naturalVoiceSpeaksWhileTheScreenReadersVoiceGetsKana();
    void openJTalkIsFoundChosenAndSpeaksEveryLine();
    void busyWaitGivesUpWhenNoEndComes();
    void busyWaitReturnsWhenTheTextIsCancelled();
    void speechFallsSilentWhenTheServerGoes();
    void creationFailsWithoutServer();
    void onlyTheSpeechObjectIdentifierIsKnown();
    void windowSpeaksThroughTheServer();
    void windowWithoutServerOpensSilently();
    void longTextsArriveInPartsAtTheirBreaks_data();
    void longTextsArriveInPartsAtTheirBreaks();
    void cancelStopsEveryPart();
    void debianDefaultSettingsPreprocessSymbols_data();
    void debianDefaultSettingsPreprocessSymbols();
};

void TestSpeechDispatcher::textsArriveWholeAndInOrderEachAfterTheOneBefore()
{
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed() || QStandardPaths::findExecutable("open_jtalk").isEmpty())
        QSKIP("speech-dispatcher or open_jtalk is not installed; make test installs both");
    PrivateSpeechServer server(PrivateSpeechServer::ProjectOpenJTalk {});
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

// Announcements go to a screen reader, which speaks with the server's default voice.
void TestSpeechDispatcher::naturalVoiceSpeaksWhileTheScreenReadersVoiceGetsKana()
{
    if (!PrivateSpeechServer::installed())
        QSKIP(notInstalled);
    PrivateSpeechServer server(QString(), QStringLiteral("espeak-ng"),
                               PrivateSpeechServer::Settings::Plain,
                               QStringLiteral("openjtalk-generic"));
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    const QString text = QStringLiteral("レッドの値の文字入力\r\n0a");
    voice->Go(text);
    voice->BusyWait();
    QCOMPARE(server.spoken(), QStringLiteral("レッドのあたいの文字入力、ゼロ エー") + endMark);
    QCOMPARE(voice->spokenForm(text), QStringLiteral("レッドのあたいのもじにゅーりょく\r\n0a"));
}

void TestSpeechDispatcher::busyWaitGivesUpWhenNoEndComes()
{
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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
    if (!PrivateSpeechServer::installed())
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

// Each part is a message of its own; BusyWait returns only once the module has finished the last.
void TestSpeechDispatcher::longTextsArriveInPartsAtTheirBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");
    // (The plain server turns an ideographic space inside a part into a plain one, and full-width
    // brackets into ASCII ones.)
    QTest::newRow("name and short code stay whole")
            << QStringLiteral("鉛丹色（えんたんいろ）\u3000d3503c")
            << QStringList {QStringLiteral("鉛丹色(えんたんいろ) d3503c")};
    QTest::newRow("focus announcement with a short value stays whole")
            << QStringLiteral("レッドの値の文字入力\r\n128")
            << QStringList {QStringLiteral("レッドの値の文字入力\r\n128")};
    QTest::newRow("contrast splits at its ideographic space")
            << QStringLiteral("背景とのコントラスト比4.4対1\u3000大きな文字のみAA適合")
            << QStringList {QStringLiteral("背景とのコントラスト比4.4対1"),
                            QStringLiteral("大きな文字のみAA適合")};
    QTest::newRow("line break, with the short number kept with what follows")
            << QStringLiteral("色見本リストの選択\r\n12\u3000桜色（さくらいろ）")
            << QStringList {QStringLiteral("色見本リストの選択"), QStringLiteral("12 桜色(さくらいろ)")};
    QTest::newRow("clause and sentence marks stay with their part")
            << QStringLiteral("表示できる範囲の外の色なので、近い色にしました。鉛丹色（えんたんいろ）\u3000d3503c")
            << QStringList {QStringLiteral("表示できる範囲の外の色なので、"),
                            QStringLiteral("近い色にしました。"),
                            QStringLiteral("鉛丹色(えんたんいろ) d3503c")};
    QTest::newRow("short first clause joins the next")
            << QStringLiteral("はい、あおいそらとしろいくも。みどりのやまとあおいうみ")
            << QStringList {QStringLiteral("はい、あおいそらとしろいくも。"),
                            QStringLiteral("みどりのやまとあおいうみ")};
}

void TestSpeechDispatcher::longTextsArriveInPartsAtTheirBreaks()
{
    if (!PrivateSpeechServer::installed())
        QSKIP(notInstalled);
    QFETCH(QString, text);
    QFETCH(QStringList, parts);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    voice->Go(text);
    voice->BusyWait();
    QCOMPARE(server.received(), parts);
}

// Cancelled while the first of three parts sounds, none of the others follows.
void TestSpeechDispatcher::cancelStopsEveryPart()
{
    if (!PrivateSpeechServer::installed())
        QSKIP(notInstalled);
    PrivateSpeechServer server;
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    const QString text = QStringLiteral("表示できる範囲の外の色なので、近い色にしました。鉛丹色（えんたんいろ）");
    QElapsedTimer timer;
    timer.start();
    voice->Go(text);
    QTest::qWait(200);
    voice->Cancel();
    voice->BusyWait();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(1000);
    QVERIFY2(server.received().size() <= 1, qPrintable(server.spoken()));
}

// A user's server runs with Debian's settings, which read symbols aloud or drop them before the
// module sees the text; each row shows one such change, so a server started with these settings
// that passes texts through unchanged fails here.
void TestSpeechDispatcher::debianDefaultSettingsPreprocessSymbols_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("received");
    QTest::newRow("decimal point") << QStringLiteral("4.5") << QStringLiteral("4 .5");
    QTest::newRow("full-width brackets")
            << QStringLiteral("桜色（さくらいろ）") << QStringLiteral("桜色 カッコ さくらいろ カッコトジ ");
    QTest::newRow("star and hash dropped") << QStringLiteral("*aqua #00ffff")
                                           << QStringLiteral(" aqua  00ffff");
    QTest::newRow("line break") << QStringLiteral("レッドの値の文字入力\r\n128")
                                << QStringLiteral("レッドの値の文字入力  128");
}

void TestSpeechDispatcher::debianDefaultSettingsPreprocessSymbols()
{
    if (!PrivateSpeechServer::installed())
        QSKIP(notInstalled);
    QFETCH(QString, text);
    QFETCH(QString, received);
    PrivateSpeechServer server(QString(), QStringLiteral("filewriter"),
                               PrivateSpeechServer::Settings::DebianDefault);
    QVERIFY(server.ready());
    auto voice = openSpeechDispatcherVoice(server.socketPath());
    QVERIFY(voice);

    voice->Go(text);
    voice->BusyWait();
    QCOMPARE(server.received(), QStringList {received});
}

QTEST_MAIN(TestSpeechDispatcher)
#include "tst_speechdispatcher.moc"
