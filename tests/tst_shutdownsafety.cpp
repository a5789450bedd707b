// The settings files survive the end of the program: killed at any moment of shut-down or at
// each step of the save, each file is either as it was or as it should be, and a full disk
// leaves the old file and says so. The program that is killed is this test itself, started
// again as a helper.

#include "window/kolvarenta.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char helperArgument[] = "--shut-down-in";
const QString checkFile = QStringLiteral("checkfile.dat");
const QString backColorFile = QStringLiteral("backcolor.dat");

// The helper: the window in the folder, started; it stops itself, and on SIGCONT it closes, which
// writes both settings files, says so and prints the messages it showed, one a line. A file
// size limit above 0 makes every larger file fail to write, as on a full disk. Root writes into
// any folder, so in a read-only one root saves as nobody, whom the folder's permissions hold.
int shutDownIn(const QString &folder, rlim_t fileSizeLimit, bool asNobody)
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
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY); // strace attaches from the test, no parent of ours
    std::puts("ready");
    std::fflush(stdout);
    // Stopped, the helper is in no system call, so strace counts the calls from the next one.
    std::raise(SIGSTOP);
    if (asNobody && geteuid() == 0 && (setegid(65534) != 0 || seteuid(65534) != 0))
        return 1;
    window.close();
    std::puts("closed");
    for (const QString &text : messages->texts())
        std::puts(text.toUtf8().constData());
    return 0;
}

// Settings files from an earlier run that shut-down will change: the check records hold no
// states (they read as off and are written as 0), and backcolor.dat has the LF line end of a
// Linux editor (written back with CR LF).
const QMap<QString, QByteArray> earlierFiles{{checkFile, QByteArray("\7\0\11\0", 4)},
                                             {backColorFile, "0000FF\n"}};

// A program folder with the settings files of an earlier run, or none. A read-only folder takes
// no new files, only new bytes in the files it has.
struct Folder
{
    QTemporaryDir dir;
    QMap<QString, QByteArray> old;
    bool readOnly = false;

    explicit Folder(bool earlier) : Folder(earlier ? earlierFiles : QMap<QString, QByteArray>{}) {}
    explicit Folder(QMap<QString, QByteArray> old, bool readOnly = false)
        : old(std::move(old))
        , readOnly(readOnly)
    {
        write(QStringLiteral("kolvarenta.dat"), QByteArray("red,ff0000\r\n"));
        restore();
    }
    ~Folder() { QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700)); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    // The old files, and nothing else but the table; the folder read-only when it is to be.
    void restore() const
    {
        const QDir folder(dir.path());
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        for (const QString &name : folder.entryList(QDir::Files)) {
            if (name != QStringLiteral("kolvarenta.dat"))
                QFile::remove(folder.filePath(name));
        }
        for (const QString &name : old.keys()) {
            write(name, old[name]);
            QFile::setPermissions(dir.filePath(name), QFileDevice::Permissions(0x6666));
        }
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(readOnly ? 0x5555 : 0x7777));
    }
    // Copies a save left under a temporary name.
    qsizetype strays() const { return QDir(dir.path()).entryList({"*.dat.*"}, QDir::Files).size(); }
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
                       QString::number(fileSizeLimit), QString::number(folder.readOnly)});
    }
    ~Helper()
    {
        process.kill();
        process.waitForFinished();
    }
    bool ready()
    {
        siginfo_t stopped = {};
        return nextLine() == "ready\n"
               && waitid(P_PID, id_t(process.processId()), &stopped, WSTOPPED | WNOWAIT | __WALL) == 0;
    }
    void close() { ::kill(pid_t(process.processId()), SIGCONT); }
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

enum class Ended { Normally, Killed, Untraced };

// A shut-down in the folder, with strace (given these options) attached to the helper just before
// it closes; what strace said when it could not attach.
Ended underStrace(const Folder &folder, const QStringList &options, QByteArray &said)
{
    said.clear();
    Helper helper(folder);
    if (!helper.ready())
        return Ended::Untraced;
    QProcess strace;
    strace.setReadChannel(QProcess::StandardError);
    strace.start(QStringLiteral("strace"),
                 QStringList{"-p", QString::number(helper.process.processId())} + options);
    while (!said.contains(" attached") && strace.waitForReadyRead(30'000))
        said += strace.readAll();
    if (!said.contains(" attached"))
        return Ended::Untraced;
    helper.close();
    helper.process.waitForFinished(30'000);
    strace.waitForFinished(30'000);
    return helper.process.exitStatus() == QProcess::CrashExit ? Ended::Killed : Ended::Normally;
}

// How often each call is in a trace strace wrote.
QMap<QString, int> callsIn(const QString &trace)
{
    QFile file(trace);
    QMap<QString, int> calls;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty() && std::isalpha(uchar(line[0])))
                ++calls[QString::fromLatin1(line.left(line.indexOf('(')))];
        }
    }
    return calls;
}

// What the next start reads from the folder: the two options, and the background code.
QMap<QString, QString> readBack(const Folder &folder)
{
    Kolvarenta window(quietFakePlatform(folder.dir.path()));
    window.startUp();
    const PaletteState &state = window.paletteState();
    return {{checkFile, QStringLiteral("%1 %2").arg(state.checkstate[1]).arg(state.checkstate[2])},
            {backColorFile, state.backcolorcode}};
}

} // namespace

class TestShutDownSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedAtAnyMomentLeavesOldOrNew_data();
    void killedAtAnyMomentLeavesOldOrNew();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void killedAtEachStepOfTheSave_data();
    void killedAtEachStepOfTheSave();
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
    QTest::addColumn<bool>("unchanged"); // the files hold what the save would write
    QTest::addColumn<bool>("readOnlyFolder");

    // The records take 4 bytes, the background line 8.
    QTest::newRow("no room for either file")
        << 1
        << QStringList{"checkfile.datを保存できませんでした", "backcolor.datを保存できませんでした"}
        << false << false << false;
    QTest::newRow("room for the check records only")
        << 6 << QStringList{"backcolor.datを保存できませんでした"} << true << false << false;
    QTest::newRow("in place, no room for the longer line: the old one stays")
        << 7 << QStringList{"backcolor.datを保存できませんでした"} << true << false << true;
    QTest::newRow("nothing changed in a full, read-only folder: nothing to say")
        << 1 << QStringList{} << false << true << true;
}

void TestShutDownSafety::fullDiskKeepsTheOldFile()
{
    QFETCH(int, fileSizeLimit);
    QFETCH(QStringList, messages);
    QFETCH(bool, checkFileWritten);
    QFETCH(bool, unchanged);
    QFETCH(bool, readOnlyFolder);

    Folder folder(unchanged ? QMap<QString, QByteArray>{{checkFile, QByteArray("\1\0\0\0", 4)},
                                                         {backColorFile, "0000FF\r\n"}}
                            : earlierFiles,
                  readOnlyFolder);
    Helper helper(folder, rlim_t(fileSizeLimit));
    QVERIFY(helper.ready());
    helper.close();
    QVERIFY(helper.closed());
    QCOMPARE(helper.messages(), messages);
    QCOMPARE(folder.read(backColorFile), folder.oldBytes(backColorFile));
    QCOMPARE(folder.read(checkFile) == folder.oldBytes(checkFile), !checkFileWritten);
}

void TestShutDownSafety::killedAtEachStepOfTheSave_data()
{
    QTest::addColumn<QByteArray>("oldLine"); // backcolor.dat; none, no settings files yet
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("new copies, a foreign editor's file")
        << QByteArray("\xEF\xBB\xBF" "0000FF\n") << false;
    QTest::newRow("new copies, first run") << QByteArray() << false;
    QTest::newRow("new copies, the file shrinks") << QByteArray("0000FF\nmore lines\n") << false;
    QTest::newRow("in place, the file grows") << QByteArray("0000FF\n") << true;
    QTest::newRow("in place, the file shrinks") << QByteArray("0000FF\nmore lines\n") << true;
}

// strace stops the helper at the nth call of one kind during the save and kills it there, for
// every call that opens, reads, writes, moves or closes a file; the next start reads each file.
void TestShutDownSafety::killedAtEachStepOfTheSave()
{
    QFETCH(QByteArray, oldLine);
    QFETCH(bool, readOnlyFolder);
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QSKIP("strace is not installed (make test installs it): the save is not killed step by step");
    QMap<QString, QByteArray> old;
    if (!oldLine.isEmpty())
        old = {{checkFile, QByteArray("\1\0\11\0", 4)}, {backColorFile, oldLine}};
    Folder folder(old, readOnlyFolder);
    const QString steps = QStringLiteral("trace=mkdir,openat,read,write,lseek,ftruncate,fchmod,"
                                         "fsync,fdatasync,linkat,rename,renameat,renameat2,"
                                         "unlink,unlinkat,close");
    const auto readBefore = readBack(folder);

    // The save run to its end, traced: the new files, and the calls it made.
    QTemporaryDir logFolder;
    const QString log = logFolder.filePath(QStringLiteral("trace"));
    QByteArray said;
    if (underStrace(folder, {"-o", log, "-e", steps}, said) == Ended::Untraced)
        QSKIP(qPrintable(QStringLiteral("strace could not hold the helper: ") + said));
    QMap<QString, QByteArray> written;
    for (const QString &name : {checkFile, backColorFile}) {
        written[name] = folder.read(name).value_or("(none)");
        QVERIFY(written[name] != folder.oldBytes(name));
    }
    const auto readAfter = readBack(folder);

    int kills = 0, newThenOldEnd = 0, strays = 0;
    const QMap<QString, int> calls = callsIn(log);
    for (auto call = calls.begin(); call != calls.end(); ++call) {
        for (int n = 1; n <= call.value(); ++n) {
            folder.restore();
            const QString inject = QStringLiteral("inject=%1:signal=KILL:when=%2");
            const QString at = inject.arg(call.key()).arg(n);
            QVERIFY2(underStrace(folder, {"-o", "/dev/null", "-e", steps, "-e", at}, said)
                         == Ended::Killed,
                     qPrintable(at));
            ++kills;
            strays += int(folder.strays());
            const auto readNext = readBack(folder);
            for (const QString &name : {checkFile, backColorFile}) {
                const auto bytes = folder.read(name);
                const auto was = folder.oldBytes(name);
                // In place, the cut to the new length comes after the new bytes.
                const bool withOldEnd = readOnlyFolder && bytes && was
                                        && *bytes == written[name] + was->mid(written[name].size());
                newThenOldEnd += withOldEnd && bytes != was && bytes != written[name];
                QVERIFY2(bytes == was || bytes == written[name] || withOldEnd,
                         qPrintable(QStringLiteral("%1 killed at %2 %3: %4")
                                        .arg(name, call.key())
                                        .arg(n)
                                        .arg(QString::fromLatin1(bytes.value_or("-").toHex()))));
                QVERIFY(readNext[name] == readBefore[name] || readNext[name] == readAfter[name]);
            }
        }
    }
    qInfo("%d kills, 0 damaged: each file old or new and read back; %d held the new bytes before "
          "the old end, %d stray copies were left",
          kills, newThenOldEnd, strays);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], helperArgument) == 0)
        return shutDownIn(QString::fromLocal8Bit(argv[2]), rlim_t(QByteArray(argv[3]).toULongLong()),
                          qstrcmp(argv[4], "1") == 0);
    TestShutDownSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shutdownsafety.moc"
