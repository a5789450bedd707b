// A colour table of damaged lines: bytes that are no code page 932 in every line, and no comma,
// so no line is an entry and start-up reads the whole file. Decoding must stay under 50 ms per
// MiB, and start-up on 10 MiB under 1 s. Run with `make bench`.

#include "window/kolvarenta.h"
#include "names/colourtable.h"
#include "support/fakes.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qsizetype mebibyte = 1024 * 1024;
constexpr int decodingRuns = 9;
constexpr int startUpRuns = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Lines of Japanese text, ASCII, stray bytes that start no character, and lead bytes without
// their second byte; a fixed seed, so every run reads the same bytes.
QByteArray damagedLines(qsizetype size)
{
    static const QByteArray pieces[] = {
        QByteArray("\x8d\xf7\x90\x46"), // 桜色
        QByteArray("\x82\xb3\x82\xad\x82\xe7"),
        QByteArray("0000FF"),
        QByteArray("\xff"),
        QByteArray("\x80\xa0"),
        QByteArray("\x82" "0"),
        QByteArray("\xfd\xfe"),
        QByteArray(" "),
    };
    QRandomGenerator random(20261207);
    QByteArray bytes;
    bytes.reserve(size + 64);
    while (bytes.size() < size) {
        for (int piece = 0; piece < 12; ++piece)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        bytes += "\r\n";
    }
    bytes.truncate(size);
    return bytes;
}

void measureDecoding()
{
    const QByteArray bytes = damagedLines(mebibyte);
    const QList<QByteArray> lines = bytes.split('\n');
    std::vector<double> decoding;
    std::vector<double> reading;
    for (int run = 0; run < decodingRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        qsizetype characters = 0;
        for (const QByteArray &line : lines)
            characters += decodeCodePage932(line).size();
        decoding.push_back(timer.nsecsElapsed() / 1e6);

        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        timer.restart();
        const auto entries = readColourTable(buffer);
        reading.push_back(timer.nsecsElapsed() / 1e6);
        if (characters == 0 || !entries || !entries->isEmpty())
            std::printf("the damaged table did not read as it should\n");
    }
    std::printf("decoding damaged lines: median %.1f ms per MiB of %d runs\n", median(decoding),
                decodingRuns);
    std::printf("reading a damaged table (lines and decoding): median %.1f ms per MiB of %d runs\n",
                median(reading), decodingRuns);
}

void measureStartUp()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("kolvarenta.dat")));
    file.open(QIODevice::WriteOnly);
    file.write(damagedLines(10 * mebibyte));
    file.close();

    std::vector<double> times;
    for (int run = 0; run < startUpRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        Kolvarenta window(quietFakePlatform(dir.path()));
        window.startUp();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("start-up on a 10 MiB damaged table: median %.0f ms of %d runs\n", median(times),
                startUpRuns);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    measureDecoding();
    measureStartUp();
    return 0;
}
