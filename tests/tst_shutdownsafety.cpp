// The settings files survive the end of the program: killed at any moment of shut-down, each
// file is either as it was or as it should be, and a full disk leaves the old file and says so.
// The program that is killed is this test itself, started again as a helper.

#include "window/kolvarenta.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {

const char helperArgument[] = "--shut-down-in";
const QString checkFile = QStringLiteral("checkfile.dat");
const QString backColorFile = QStringLiteral("backcolor.dat");

// The helper: the window in the folder, started; on a line from standard input it closes, which
// writes both settings files, says so and prints the messages it showed, one a line. A file
// size limit above 0 makes every larger file fail to write, as on a full disk.
int shutDownIn(const QString &folder, rlim_t fileSizeLimit)
{
    Platform platform = quietFakePlatform(folder);
    const auto *messages = static_cast<const FakeMessageBox *>(platform.messageBox.get());
    Kolvarenta window(std::move(platform));
    window.startUp();

    if (fileSizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending us
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::puts("ready");
    std::fflush(stdout);
    std::getchar();
    window.close();
    std::puts("closed");
    for (const QString &text : messages->texts())
        std::puts(text.toUtf8().constData());
    return 0;
}

// A program folder from an earlier run whose settings files shut-down will change: the check
// records hold no states (they read as off and are written as 0), and backcolor.dat has the
// LF line end of a Linux editor (written back with CR LF).
struct Folder
{
    QTemporaryDir dir;
    QMap<QString, QByteArray> old;

    explicit Folder(bool earlierRun)
    {
        write(QStringLiteral("kolvarenta.dat"), QByteArray("red,ff0000\r\n"));
        if (earlierRun) {
            old[checkFile] = QByteArray("\x07\x00\x09\x00", 4);
            old[backColorFile] = QByteArray("0000FF\n");
        }
        restore();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    void restore() const
    {
        for (const QString &name : {checkFile, backColorFile}) {
            QFile::remove(dir.filePath(name));
            if (old.contains(name))
                write(name, old[name]);
        }
    }
    // The file's bytes, or nothing when it does not exist.
    std::optional<QByteArray> read(const QString &name) const
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    std::optional<QByteArray> oldBytes(const QString &name) const
    {
        return old.contains(name) ? std::optional(old[name]) : std::nullopt;
    }
};

class Helper
{
public:
    explicit Helper(const Folder &folder, rlim_t fileSizeLimit = 0)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(helperArgument), folder.dir.path(),
                       QString::number(fileSizeLimit)});
    }
    ~Helper()
    {
        process.kill();
        process.waitForFinished();
    }
    bool ready() { return nextLine() == "ready\n"; }
    void close()
    {
        process.write("\n");
        process.waitForBytesWritten();
    }
    bool closed() { return nextLine() == "closed\n"; }
    QStringList messages()
    {
        process.waitForFinished(30'000);
        return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    QByteArray nextLine()
    {
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(30'000))
                return {};
        }
        return process.readLine();
    }
    QProcess process;
};

} // namespace

class TestShutDownSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedAtAnyMomentLeavesOldOrNew_data();
    void killedAtAnyMomentLeavesOldOrNew();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
};

void TestShutDownSafety::killedAtAnyMomentLeavesOldOrNew_data()
{
    QTest::addColumn<bool>("earlierRun");
    QTest::newRow("settings files from an earlier run") << true;
    QTest::newRow("first run, no settings files yet") << false;
}

void TestShutDownSafety::killedAtAnyMomentLeavesOldOrNew()
{
    QFETCH(bool, earlierRun);
    Folder folder(earlierRun);

    // A shut-down run to its end gives the new files and about how long it takes.
    QElapsedTimer timer;
    qint64 shutDownNanoseconds = 0;
    {
        Helper helper(folder);
        QVERIFY(helper.ready());
        timer.start();
        helper.close();
        QVERIFY(helper.closed());
        shutDownNanoseconds = timer.nsecsElapsed();
        QVERIFY(helper.messages().isEmpty());
    }
    QMap<QString, QByteArray> written;
    for (const QString &name : {checkFile, backColorFile}) {
        const auto bytes = folder.read(name);
        QVERIFY(bytes && bytes != folder.oldBytes(name));
        written[name] = *bytes;
    }

    // Kills spread evenly over twice that time, each timed by a busy wait.
    constexpr int kills = 40;
    int endedBeforeBothWereWritten = 0;
    for (int k = 0; k < kills; ++k) {
        folder.restore();
        {
            Helper helper(folder);
            QVERIFY(helper.ready());
            const qint64 delay = 2 * shutDownNanoseconds * k / kills;
            helper.close();
            timer.start();
            while (timer.nsecsElapsed() < delay) { }
            helper.process.kill();
            QVERIFY(helper.process.waitForFinished());
        }
        int replaced = 0;
        for (const QString &name : {checkFile, backColorFile}) {
            const auto bytes = folder.read(name);
            QVERIFY2(bytes == folder.oldBytes(name) || bytes == written[name],
                     qPrintable(QStringLiteral("%1 after a kill at %2 of %3: %4")
                                    .arg(name)
                                    .arg(k)
                                    .arg(kills)
                                    .arg(QString::fromLatin1(bytes.value_or("(none)").toHex()))));
            replaced += bytes == written[name] ? 1 : 0;
        }
        endedBeforeBothWereWritten += replaced < 2 ? 1 : 0;
    }
    QVERIFY2(endedBeforeBothWereWritten > 0, "no kill came before shut-down had ended");
}

void TestShutDownSafety::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("fileSizeLimit");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("checkFileWritten");

    // The records take 4 bytes, the background line 8.
    QTest::newRow("no room for either file")
        << 1
        << QStringList{"checkfile.datを保存できませんでした", "backcolor.datを保存できませんでした"}
        << false;
    QTest::newRow("room for the check records only")
        << 6 << QStringList{"backcolor.datを保存できませんでした"} << true;
}

void TestShutDownSafety::fullDiskKeepsTheOldFile()
{
    QFETCH(int, fileSizeLimit);
    QFETCH(QStringList, messages);
    QFETCH(bool, checkFileWritten);

    Folder folder(true);
    Helper helper(folder, rlim_t(fileSizeLimit));
    QVERIFY(helper.ready());
    helper.close();
    QVERIFY(helper.closed());
    QCOMPARE(helper.messages(), messages);
    QCOMPARE(folder.read(backColorFile), folder.oldBytes(backColorFile));
    QCOMPARE(folder.read(checkFile) == folder.oldBytes(checkFile), !checkFileWritten);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], helperArgument) == 0)
        return shutDownIn(QString::fromLocal8Bit(argv[2]), rlim_t(QByteArray(argv[3]).toULongLong()));
    TestShutDownSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shutdownsafety.moc"
