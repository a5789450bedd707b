// The program as it is installed and packaged: the install tree and the desktop's validators on it,
// the installed program run in a made-up user's folders, and the Debian package.

#include "platform/systemprogramfiles.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QStringList installedFiles = {
    "bin/kolvarenta",
    "share/applications/" KOLVARENTA_APP_ID ".desktop",
    "share/icons/hicolor/scalable/apps/" KOLVARENTA_APP_ID ".svg",
    "share/kolvarenta/kolvarenta.dat",
    "share/kolvarenta/kolvarenta.txt",
    "share/metainfo/" KOLVARENTA_APP_ID ".metainfo.xml",
};
const QByteArray bothOn("\1\0\1\0", 4);

// Runs a program to its end; ok when it exits with 0. Returns what it printed.
QString run(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    *ok = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit
          && process.exitCode() == 0;
    return QString::fromUtf8(process.readAll()).trimmed();
}

// The paths of the files (and folders) under a folder, inside it.
QStringList entriesUnder(const QString &folder, QDir::Filters filter = QDir::AllEntries)
{
    QStringList found;
    QDirIterator it(folder, filter | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The program is up once it catches SIGTERM: from then on the signal closes its window.
bool catchesTerminate(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf("SigCgt:");
    return at >= 0
           && (text.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1)));
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir prefix;
    QTemporaryDir packageFolder;
    QString package;

    static void install(const QString &into)
    {
        bool ok = false;
        const QString output =
                run(CMAKE_COMMAND, {"--install", KOLVARENTA_BINARY_DIR, "--prefix", into}, &ok);
        QVERIFY2(ok, qPrintable(output));
    }

private slots:
    void initTestCase()
    {
        install(prefix.path());
        if (QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty())
            return; // the package tests say so
        bool ok = false;
        const QString output = run(CPACK_COMMAND,
                                   {"-G", "DEB", "--config",
                                    KOLVARENTA_BINARY_DIR "/CPackConfig.cmake", "-B",
                                    packageFolder.path()},
                                   &ok);
        QVERIFY2(ok, qPrintable(output));
        package = packageFolder.filePath(QDir(packageFolder.path()).entryList({"*.deb"}).value(0));
    }

    void installTree() { QCOMPARE(entriesUnder(prefix.path(), QDir::Files), installedFiles); }

    void validatorsAccept_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("desktop entry") << QStringList{"desktop-file-validate", installedFiles[1]};
        // --strict fails on warnings too; only pedantic hints pass. AppStream 1.0 (Debian 13)
        // asks for the <developer> tag, which AppStream 0.16 (Debian 12) does not know yet.
        QStringList appstream{"appstreamcli", "validate", "--no-net", "--strict"};
        bool ok = false;
        if (run("appstreamcli", {"--version"}, &ok).contains("version: 0."))
            appstream << "--override=unknown-tag=pedantic";
        QTest::newRow("AppStream metadata") << (appstream << installedFiles[5]);
    }

    void validatorsAccept()
    {
        QFETCH(QStringList, command);
        const QString tool = command.takeFirst();
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + " is not installed; make test installs it"));
        command << prefix.filePath(command.takeLast());
        bool ok = false;
        const QString output = run(tool, command, &ok);
        QVERIFY2(ok && !output.contains("warning"), qPrintable(output));
    }

    void installedProgramKeepsItsFilesInTheUsersFolders_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::addColumn<bool>("userTable");
        QTest::addColumn<bool>("xdgVariables");
        QTest::addColumn<bool>("savedOptions");
        // Saved options are read back only when a table was read, and then written back as they
        // were; without a table they would be saved as off.
        QTest::newRow("shipped table read, settings in XDG_CONFIG_HOME")
                << false << false << true << true;
        QTest::newRow("user's table in ~/.local/share wins, the shipped one is never opened")
                << false << true << false << true;
        QTest::newRow("first run makes ~/.config/kolvarenta") << false << false << false << false;
        QTest::newRow("portable copy keeps every file beside it") << true << false << true << true;
    }

    void installedProgramKeepsItsFilesInTheUsersFolders()
    {
        QFETCH(bool, portable);
        QFETCH(bool, userTable);
        QFETCH(bool, xdgVariables);
        QFETCH(bool, savedOptions);
        QTemporaryDir root, home;
        install(root.path());
        const QString shippedTable = root.filePath(installedFiles[3]);
        const QString copy = home.filePath("copy");
        if (portable) {
            QVERIFY(QDir().mkpath(copy));
            QVERIFY(QFile::copy(root.filePath(installedFiles[0]), copy + "/kolvarenta"));
            QVERIFY(QFile::copy(shippedTable, copy + "/kolvarenta.dat"));
        }
        const QString program = portable ? copy + "/kolvarenta" : root.filePath(installedFiles[0]);
        // The manual is handed to the desktop, not read: where it is looked for is checked here.
        QCOMPARE(SystemProgramFiles(QFileInfo(program).path()).manualFile(),
                 portable ? copy + "/kolvarenta.txt" : root.filePath(installedFiles[4]));
        const QString configHome = home.filePath(xdgVariables ? "config" : ".config");
        const QString settings = portable ? copy : configHome + "/kolvarenta";
        if (userTable) {
            writeFile(home.filePath(".local/share/kolvarenta/kolvarenta.dat"),
                      readFile(shippedTable));
            // Were the shipped table read, this folder in its place would end start-up.
            QVERIFY(QFile::remove(shippedTable) && QDir().mkdir(shippedTable));
        }
        if (savedOptions)
            writeFile(settings + "/checkfile.dat", bothOn);
        const QStringList installedBefore = entriesUnder(root.path());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.remove("XDG_CONFIG_HOME");
        environment.remove("XDG_DATA_HOME");
        if (xdgVariables) {
            environment.insert("XDG_CONFIG_HOME", configHome);
            environment.insert("XDG_DATA_HOME", home.filePath("data"));
        }
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        // No speech server, and none started: the program runs silently.
        environment.insert("SPEECHD_ADDRESS", "unix_socket:" + home.filePath("no-speech"));
        environment.insert("SPEECHD_CMD", home.filePath("no-speech-dispatcher"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {});
        // Started means the test's own signal handlers, which a child has until exec, are gone.
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerminate(process.processId()), 20000);
        QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
        // A program that does not end is killed when the QProcess goes.
        QVERIFY(process.waitForFinished(20000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAll().constData());

        QCOMPARE(readFile(settings + "/checkfile.dat"), savedOptions ? bothOn : QByteArray(4, 0));
        QCOMPARE(readFile(settings + "/backcolor.dat"), QByteArray("F0F0F0\r\n"));
        QCOMPARE(entriesUnder(root.path()), installedBefore);
        QCOMPARE(QFileInfo::exists(configHome), !portable);
    }

    // Built on Debian 12, it also holds the Open JTalk module for speech-dispatcher in /etc.
    void packageHoldsTheInstallTreeUnderUsr()
    {
        if (package.isEmpty())
            QSKIP("dpkg-shlibdeps is not installed (dpkg-dev); make test installs it");
        bool ok = false;
        QStringList files;
        for (const QString &line : run("dpkg-deb", {"--contents", package}, &ok).split('\n')) {
            if (!line.endsWith('/'))
                files << line.section(" .", 1).replace(QRegularExpression("^/usr/"), QString());
        }
        files.sort();
        QStringList expected = installedFiles + QStringList{KOLVARENTA_PACKAGE_ETC_FILES};
        expected.sort();
        QCOMPARE(files, expected);
    }

    void packageFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("name") << "Package" << "^kolvarenta$";
        QTest::newRow("version") << "Version" << "^0\\.13$";
        // Worked out from the binary: each library it links, with the version it needs.
        QTest::newRow("Depends: Qt Widgets") << "Depends" << "(^|, )libqt6widgets6 \\(>= ";
        QTest::newRow("Depends: libspeechd") << "Depends" << "(^|, )libspeechd2 \\(>= ";
        QTest::newRow("Depends: Little CMS") << "Depends" << "(^|, )liblcms2-2 \\(>= ";
        QTest::newRow("Depends: no font, no voice") << "Depends" << "^((?!fonts|speech-).)*$";
        QTest::newRow("Depends: MeCab") << "Depends" << "(^|, )libmecab2 \\(>= ";
        QTest::newRow("Recommends: Japanese font, voices and kanji readings")
                << "Recommends"
                << "^fonts-noto-cjk \\| fonts-japanese-gothic, (open-jtalk|speech-dispatcher-openjtalk), "
                   "open-jtalk-mecab-naist-jdic, hts-voice-nitech-jp-atr503-m001(, pulseaudio-utils "
                   "\\| alsa-utils)?, speech-dispatcher-espeak-ng, mecab-ipadic-utf8$";
    }

    void packageFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        if (package.isEmpty())
            QSKIP("dpkg-shlibdeps is not installed (dpkg-dev); make test installs it");
        bool ok = false;
        const QString value = run("dpkg-deb", {"--field", package, field}, &ok);
        QVERIFY2(ok && QRegularExpression(pattern).match(value).hasMatch(), qPrintable(value));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
