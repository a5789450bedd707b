#include "platform/speechdispatchervoice.h"

#include "platform/brokenpipeguard.h"
#include "platform/finishedmessages.h"
#include "platform/kanareading.h"
#include "platform/naturalvoiceform.h"
#include "platform/spokenparts.h"

#include <QByteArray>
#include <QFile>

#include <libspeechd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The output modules the speech object knows, and how each is given the program's texts; a module
// not named here gets them as they are written. The natural Japanese voice, Open JTalk, comes
// first, under each name it may have, in the order it is chosen: speech-dispatcher 0.12's own
// module (Debian 13), then the generic module of data/openjtalk-generic.conf for
// speech-dispatcher 0.11 (Debian 12).
struct KnownModule
{
    const char *name;
    TextForm form;
};
constexpr KnownModule knownModules[] = {
    {"openjtalk", TextForm::NaturalJapanese},
    {"openjtalk-generic", TextForm::NaturalJapanese},
    {"espeak-ng", TextForm::Kana}, // reads every kanji as "Chinese letter"
    {"espeak", TextForm::Kana},
};

// speech-dispatcher offers the generic module once open_jtalk is installed, even without the voice
// it reads (Debian contrib, which apt passes over where the sources lack it), and it is then
// silent; speech-dispatcher's own module is offered only with its voice.
const QString genericModuleVoice = QStringLiteral(
        "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");

// libspeechd's callbacks carry no pointer of ours, only the client id the server gave the
// connection. This table leads from that id to the connection's FinishedMessages.
class Routes
{
public:
    void add(int clientId, FinishedMessages *messages)
    {
        const std::lock_guard lock(mutex);
        routes.emplace_back(clientId, messages);
    }

    void remove(FinishedMessages *messages)
    {
        const std::lock_guard lock(mutex);
        std::erase_if(routes, [&](const auto &route) { return route.second == messages; });
    }

    // Holding the lock while delivering lets remove() guarantee that no delivery is under way.
    void deliver(int clientId, int messageId)
    {
        const std::lock_guard lock(mutex);
        for (const auto &[id, messages] : routes) {
            if (id == clientId)
                messages->add(messageId);
        }
    }

private:
    std::mutex mutex;
    std::vector<std::pair<int, FinishedMessages *>> routes;
};

Routes &routes()
{
    static Routes table;
    return table;
}

// Runs on libspeechd's event thread: touches nothing but the routes.
void messageFinished(size_t messageId, size_t clientId, SPDNotificationType)
{
    routes().deliver(int(clientId), int(messageId));
}

std::atomic<void (*)()> textBeganObserver = nullptr;

void messageBegan(size_t, size_t, SPDNotificationType)
{
    textBeganObserver.load()();
}

// "225-<id>" opens the server's reply to a queued message.
int queuedMessageId(const char *reply)
{
    const QByteArray text(reply);
    if (!text.startsWith("225-"))
        return -1;
    bool ok = false;
    const int id = text.mid(4, text.indexOf('\r') - 4).toInt(&ok);
    return ok ? id : -1;
}

class SpeechDispatcherVoice final : public Voice
{
public:
    // The voice's own texts go to it in its form; the screen reader's voice is the server's
    // default, which may be another.
    SpeechDispatcherVoice(SPDConnection *connection, int clientId, TextForm form,
                          TextForm screenReaderForm, bool splitLongTexts)
        : connection(connection)
        , form(form)
        , screenReaderForm(screenReaderForm)
        , splitLongTexts(splitLongTexts)
    {
        if (form == TextForm::Kana || screenReaderForm == TextForm::Kana)
            kana.emplace();
        routes().add(clientId, &finished);
    }

    ~SpeechDispatcherVoice() override
    {
        routes().remove(&finished);
        spd_close(connection);
    }

    SpeechDispatcherVoice(const SpeechDispatcherVoice &) = delete;
    SpeechDispatcherVoice &operator=(const SpeechDispatcherVoice &) = delete;

    void Go(const QString &text) override
    {
        const BrokenPipeGuard guard;
        const QString spoken = inForm(form, text);
        finished.clear();
        bound = speechWaitBound(spoken.size());
        if (spoken.isEmpty()) {
            // Open JTalk fails on a text without words, and speech-dispatcher's module for it may
            // end itself over that: such a text is left unsaid.
            message = form == TextForm::NaturalJapanese ? -1 : sayEmpty();
            return;
        }
        // The parts queue at the same priority, so they follow each other in order.
        for (const QString &part : splitLongTexts ? spokenParts(spoken) : QStringList {spoken})
            message = spd_say(connection, SPD_MESSAGE, part.toUtf8().constData());
    }

    // Waits for the last part: the ones before it end first.
    void BusyWait() override
    {
        // A text that could not be sent will never report its end.
        if (message < 0)
            return;
        finished.waitFor(message, bound);
    }

    QString spokenForm(const QString &text) override
    {
        return inForm(screenReaderForm, text);
    }

    // Only this connection's texts, every part of them: other programs' speech, the screen
    // reader's among them, is theirs to stop.
    void Cancel() override
    {
        const BrokenPipeGuard guard;
        spd_cancel(connection);
    }

private:
    QString inForm(TextForm textForm, const QString &text)
    {
        switch (textForm) {
        case TextForm::Kana:
            return kana->read(text);
        case TextForm::NaturalJapanese:
            return naturalVoiceForm(text);
        case TextForm::AsWritten:
            break;
        }
        return text;
    }

    // spd_say cannot send an empty text: it stops before the end-of-data line, the server goes on
    // waiting for data, and the next command then waits forever for its reply. So the empty
    // message is sent by hand, framed exactly as spd_say frames any other.
    int sayEmpty()
    {
        if (spd_execute_command(connection, "SET SELF PRIORITY MESSAGE") != 0
            || spd_execute_command(connection, "SPEAK") != 0)
            return -1;
        char *reply = spd_send_data(connection, "\r\n.\r\n", SPD_WAIT_REPLY);
        const int id = queuedMessageId(reply);
        std::free(reply);
        return id;
    }

    SPDConnection *connection;
    TextForm form;
    TextForm screenReaderForm;
    std::optional<KanaReading> kana; // only for an output module that cannot read kanji
    bool splitLongTexts;
    FinishedMessages finished;
    int message = -1; // the id of the last part Go sent, -1 when it could not be sent
    std::chrono::milliseconds bound {};
};

class ConnectionModule final : public OutputModuleQuery
{
public:
    explicit ConnectionModule(SPDConnection *connection)
        : connection(connection)
    {
    }

    QString outputModule() override
    {
        char *name = spd_get_output_module(connection);
        const QString module = QString::fromUtf8(name);
        std::free(name);
        return module;
    }

    QStringList outputModules() override
    {
        QStringList names;
        char **list = spd_list_modules(connection);
        for (char **name = list; name && *name; ++name)
            names << QString::fromUtf8(*name);
        if (list)
            free_spd_modules(list);
        if (!QFile::exists(genericModuleVoice))
            names.removeAll(QStringLiteral("openjtalk-generic"));
        return names;
    }

    bool setOutputModule(const QString &name) override
    {
        return spd_set_output_module(connection, name.toUtf8().constData()) == 0;
    }

private:
    SPDConnection *connection;
};

SPDConnection *connectTo(const QString &socketPath)
{
    char *error = nullptr;
    SPDConnection *connection = nullptr;
    if (socketPath.isEmpty()) {
        connection = spd_open2("kolvarenta", "main", nullptr, SPD_MODE_THREADED, nullptr,
                               /*autospawn*/ 1, &error);
    } else {
        QByteArray path = QFile::encodeName(socketPath);
        SPDConnectionAddress address {};
        address.method = SPD_METHOD_UNIX_SOCKET;
        address.unix_socket_name = path.data();
        connection = spd_open2("kolvarenta", "main", nullptr, SPD_MODE_THREADED, &address,
                               /*autospawn*/ 0, &error);
    }
    std::free(error);
    return connection;
}

} // namespace

TextForm textFormFor(const QString &module)
{
    for (const KnownModule &known : knownModules) {
        if (module == QLatin1String(known.name))
            return known.form;
    }
    return TextForm::AsWritten;
}

QString chooseOutputModule(OutputModuleQuery &connection)
{
    const QStringList available = connection.outputModules();
    for (const KnownModule &known : knownModules) {
        const QString name = QString::fromLatin1(known.name);
        if (known.form == TextForm::NaturalJapanese && available.contains(name)
            && connection.setOutputModule(name))
            return name;
    }
    return connection.outputModule();
}

bool needsKanaReading(OutputModuleQuery &connection)
{
    return textFormFor(connection.outputModule()) == TextForm::Kana;
}

std::chrono::milliseconds speechWaitBound(qsizetype length)
{
    return speechWaitBase + speechWaitPerCharacter * length;
}

std::unique_ptr<Voice> openSpeechDispatcherVoice(const QString &socketPath,
                                                 const SpeechDispatcherOptions &options)
{
    const BrokenPipeGuard guard;
    SPDConnection *connection = connectTo(socketPath);
    if (!connection)
        return nullptr;

    // The end and cancel reports are what BusyWait waits for. These are also the first answers
    // from the server that are checked (spd_open2 ignores its reply), so a server that refuses
    // them makes the creation fail.
    connection->callback_end = messageFinished;
    connection->callback_cancel = messageFinished;
    const int clientId = spd_get_client_id(connection);
    if (spd_set_notification_on(connection, SPD_END) != 0
        || spd_set_notification_on(connection, SPD_CANCEL) != 0
        || spd_set_language(connection, "ja") != 0 || clientId < 0) {
        spd_close(connection);
        return nullptr;
    }
    if (options.textBegan) {
        textBeganObserver = options.textBegan;
        connection->callback_begin = messageBegan;
        spd_set_notification_on(connection, SPD_BEGIN);
    }
    // Chosen once the language is set, so the server answers with the module for Japanese.
    ConnectionModule module(connection);
    const TextForm serverDefault = textFormFor(module.outputModule());
    return std::make_unique<SpeechDispatcherVoice>(connection, clientId,
                                                   textFormFor(chooseOutputModule(module)),
                                                   serverDefault, options.splitLongTexts);
}
