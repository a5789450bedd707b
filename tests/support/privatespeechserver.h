#pragma once

// A private speech-dispatcher for tests and benchmarks: its own folder, socket and configuration,
// and one generic output module. By default the module appends every text it is given to a file
// instead of speaking it, so no audio device is needed; it may be registered under the name of a
// real module, so that the speech object treats it as that one.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PrivateSpeechServer
{
public:
    // Plain: the server passes texts to the module as they are. DebianDefault: the settings of
    // Debian's own /etc/speech-dispatcher/speechd.conf come first, so the texts go through the
    // symbol preprocessing a user's server does ("4.5" reaches the module as "4 .5").
    enum class Settings { Plain, DebianDefault };

    // The module's command for each text: by default it waits a little, so that a BusyWait that
    // does not wait shows, and then appends the text and the end mark.
    explicit PrivateSpeechServer(const QString &synthesis = QString(),
                                 const QString &moduleName = QStringLiteral("filewriter"),
                                 Settings settings = Settings::Plain,
                                 const QString &otherModuleName = QString());
    // The module is a generic module configured by a file of one's own, such as a real voice.
    PrivateSpeechServer(Settings settings, const QString &moduleConfig, const QString &moduleName);
    // The project's own Open JTalk module (data/openjtalk-generic.conf), which the server finds by
    // itself (no AddModule), beside sd_generic alone; a stand-in for ALSA's player writes the size
    // of each sound to the spoken file, a line each.
    struct ProjectOpenJTalk
    {
    };
    explicit PrivateSpeechServer(ProjectOpenJTalk);
    ~PrivateSpeechServer();

    PrivateSpeechServer(const PrivateSpeechServer &) = delete;
    PrivateSpeechServer &operator=(const PrivateSpeechServer &) = delete;

    // Every text the default module is given lands in the file followed by this mark; the module
    // writes it before it finishes, and the server reports the end only after that.
    static const QString endMark;

    static bool installed();

    // True once the server listens on its socket, waiting up to ten seconds for it.
    bool ready();
    void stop();

    QString socketPath() const;
    // A file in the server's folder, where its logs and the module's output lie.
    QString filePath(const QString &name) const;

    // Everything the default module wrote, each text followed by the end mark.
    QString spoken() const;
    // The texts the default module received, in order.
    QStringList received() const;

private:
    // The module is the server's default; another name, when given, is a second module, not the
    // default, with the same command.
    void start(Settings settings, const QString &moduleConfig, const QString &moduleName,
               const QString &otherModuleName = QString());
    void launch(const QStringList &moreArguments);
    QString copyOf(const QString &moduleConfig);
    void write(const QString &name, const QString &text);

    QTemporaryDir dir;
    QProcess process;
};
