#include "support/privatespeechserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString serverProgram = QStringLiteral("speech-dispatcher");
const QString debianConfiguration = QStringLiteral("/etc/speech-dispatcher/speechd.conf");

// What Debian's speechd.conf sets, for a machine where the file is missing: the symbol
// preprocessing of every character, with the dictionaries Debian names.
const QString debianSettings = QStringLiteral("LogLevel 3\n"
                                              "DefaultVolume 100\n"
                                              "SymbolsPreproc \"char\"\n"
                                              "SymbolsPreprocFile \"gender-neutral.dic\"\n"
                                              "SymbolsPreprocFile \"font-variants.dic\"\n"
                                              "SymbolsPreprocFile \"symbols.dic\"\n"
                                              "SymbolsPreprocFile \"emojis.dic\"\n"
                                              "SymbolsPreprocFile \"orca.dic\"\n"
                                              "SymbolsPreprocFile \"orca-chars.dic\"\n");

QString baseSettings(PrivateSpeechServer::Settings settings)
{
    if (settings == PrivateSpeechServer::Settings::Plain)
        return QStringLiteral("LogLevel 3\n");
    QFile file(debianConfiguration);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) + QLatin1Char('\n')
                                          : debianSettings;
}

} // namespace

const QString PrivateSpeechServer::endMark = QStringLiteral("<END>");

PrivateSpeechServer::PrivateSpeechServer(const QString &synthesis, const QString &moduleName,
                                         Settings settings, const QString &otherModuleName)
{
    const QString command = synthesis.isEmpty()
            ? QStringLiteral("sleep 0.4; printf '%s%1' '$DATA' >> '%2'")
                      .arg(endMark, filePath(QStringLiteral("spoken.txt")))
            : synthesis;
    // One chunk per text, so that a text never reaches the file in pieces.
    write(QStringLiteral("modules/filewriter.conf"),
          QStringLiteral("GenericExecuteSynth \"%1\"\n"
                         "GenericMaxChunkLength 100000\n"
                         "GenericLanguage \"ja\" \"ja\" \"utf-8\"\n"
                         "AddVoice \"ja\" \"MALE1\" \"plain\"\n"
                         "DefaultVoice \"plain\"\n")
                  .arg(command));
    start(settings, filePath(QStringLiteral("modules/filewriter.conf")), moduleName,
          otherModuleName);
}

PrivateSpeechServer::PrivateSpeechServer(Settings settings, const QString &moduleConfig,
                                         const QString &moduleName)
{
    start(settings, moduleConfig, moduleName);
}

PrivateSpeechServer::~PrivateSpeechServer()
{
    stop();
}

bool PrivateSpeechServer::installed()
{
    return !QStandardPaths::findExecutable(serverProgram).isEmpty();
}

void PrivateSpeechServer::start(Settings settings, const QString &moduleConfig,
                                const QString &moduleName, const QString &otherModuleName)
{
    // Later lines win, so the private ones follow the base settings. The module opens an audio
    // output when it starts, though it never plays anything: ALSA's null device opens without
    // sound hardware.
    write(QStringLiteral("speechd.conf"),
          baseSettings(settings)
                  + QStringLiteral("AudioOutputMethod \"alsa\"\n"
                                   "AudioALSADevice \"null\"\n"
                                   "AddModule \"%2\" \"sd_generic\" \"%1\"\n"
                                   "DefaultModule %2\n")
                            .arg(moduleConfig, moduleName)
                  + (otherModuleName.isEmpty()
                             ? QString()
                             : QStringLiteral("AddModule \"%2\" \"sd_generic\" \"%1\"\n")
                                       .arg(copyOf(moduleConfig), otherModuleName)));

    launch({});
}

PrivateSpeechServer::PrivateSpeechServer(ProjectOpenJTalk)
{
    write(QStringLiteral("speechd.conf"),
          QStringLiteral("AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n"));
    write(QStringLiteral("bin/aplay"),
          QStringLiteral("#!/bin/sh\nwc -c < \"$1\" >> '%1'\n").arg(filePath(QStringLiteral("spoken.txt"))));
    QFile::setPermissions(filePath(QStringLiteral("bin/aplay")), QFile::ReadOwner | QFile::ExeOwner);
    QFile::link(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_generic"),
                filePath(QStringLiteral("bin/sd_generic")));
    QDir(dir.path()).mkpath(QStringLiteral("modules"));
    QFile::link(QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/openjtalk-generic.conf"),
                filePath(QStringLiteral("modules/openjtalk-generic.conf")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       filePath(QStringLiteral("bin:")) + environment.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(environment);
    launch({QStringLiteral("--module-dir"), filePath(QStringLiteral("bin"))});
}

void PrivateSpeechServer::launch(const QStringList &moreArguments)
{
    process.setProgram(QStandardPaths::findExecutable(serverProgram));
    process.setArguments(QStringList {"--run-single", "--timeout", "0", "--communication-method",
                                      "unix_socket", "--socket-path", socketPath(), "--config-dir",
                                      dir.path(), "--log-dir", dir.path(), "--pid-file",
                                      filePath(QStringLiteral("speechd.pid"))}
                         + moreArguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(filePath(QStringLiteral("server.log")));
    process.start();
    process.waitForStarted();
}

// The server loads no second module from a configuration file it has loaded one from already.
QString PrivateSpeechServer::copyOf(const QString &moduleConfig)
{
    const QString copy = filePath(QStringLiteral("modules/other.conf"));
    QFile::copy(moduleConfig, copy);
    return copy;
}

bool PrivateSpeechServer::ready()
{
    return QTest::qWaitFor([&] { return QFile::exists(socketPath()); }, 10000);
}

void PrivateSpeechServer::stop()
{
    process.kill();
    process.waitForFinished();
}

QString PrivateSpeechServer::socketPath() const
{
    return filePath(QStringLiteral("speechd.sock"));
}

QString PrivateSpeechServer::filePath(const QString &name) const
{
    return dir.filePath(name);
}

QString PrivateSpeechServer::spoken() const
{
    QFile file(filePath(QStringLiteral("spoken.txt")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList PrivateSpeechServer::received() const
{
    QStringList texts = spoken().split(endMark);
    texts.removeLast(); // what follows the last mark: nothing, or a text still being written
    return texts;
}

void PrivateSpeechServer::write(const QString &name, const QString &text)
{
    QDir(dir.path()).mkpath(QFileInfo(filePath(name)).path());
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write the server's configuration");
}
