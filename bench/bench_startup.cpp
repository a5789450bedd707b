// Start-up time: the window with a full 500-entry table, and the whole program from launch to
// its first shown window with the shipped table. Run with `make bench`.

#include "window/kolvarenta.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int runs = 25;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeFullTable(const QString &folder)
{
    QString text;
    for (int k = 1; k <= 500; ++k)
        text += QStringLiteral("色の名前%1（いろのなまえ）,%2\r\n").arg(k).arg(k * 33, 6, 16, QLatin1Char('0'));
    QFile file(folder + QStringLiteral("/kolvarenta.dat"));
    file.open(QIODevice::WriteOnly);
    QStringEncoder encoder("windows-31j");
    file.write(encoder(text));
}

// Platform objects as the program has them, but the folder is the benchmark's and there is
// no speech service to wait for.
Platform benchPlatform(const QString &folder)
{
    Platform platform = Platform::system();
    platform.folder = std::make_unique<FakeFolder>(folder);
    auto voices = std::make_unique<FakeVoices>();
    voices->available = false;
    platform.voices = std::move(voices);
    return platform;
}

void measureStartUp()
{
    QTemporaryDir dir;
    writeFullTable(dir.path());
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        Kolvarenta window(benchPlatform(dir.path()));
        window.startUp();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("start-up with 500 entries: median %.2f ms of %d runs\n", median(times), runs);
}

// The child: what main() does, ending as soon as the window has been shown.
int showOnce(const QString &folder)
{
    Kolvarenta window(benchPlatform(folder));
    window.startUp();
    window.show();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return qApp->exec();
}

void measureWholeProgram(const QString &self)
{
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    std::vector<double> times;
    long peakKiB = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(self.toLocal8Bit().constData(), "bench_startup", "--show-once",
                  shipped.toLocal8Bit().constData(), nullptr);
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        times.push_back(timer.nsecsElapsed() / 1e6);
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    std::printf("whole program to first shown window (shipped table): median %.1f ms of %d runs, "
                "peak memory %.1f MiB\n",
                median(times), runs, peakKiB / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (argc == 3 && qstrcmp(argv[1], "--show-once") == 0)
        return showOnce(QString::fromLocal8Bit(argv[2]));
    measureStartUp();
    measureWholeProgram(QCoreApplication::applicationFilePath());
    return 0;
}
