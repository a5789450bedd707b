// Start-up over hundreds of damaged settings and table files: it must never crash, and it must
// never replace a settings file it could not read.

#include "support/testwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

namespace {

const char *const fileNames[] = {"kolvarenta.dat", "checkfile.dat", "backcolor.dat"};

// Bytes that look a little like the real files, so parsing gets past the first character.
QByteArray damagedBytes(QRandomGenerator &random)
{
    static const QByteArray alphabet = QByteArray("0123456789abcdefABCDEF,#*\r\n \t\x81\x82\xa0\xff\0", 41);
    const QByteArray valid = toCodePage932(
        QStringLiteral("桜色（さくらいろ）,ffdbed\r\n*aliceblue（アリスブルー）,f0f8ff\r\n"));
    QByteArray bytes;
    switch (random.bounded(4)) {
    case 0: // a valid file cut anywhere, even inside a double-byte character
        return valid.left(random.bounded(valid.size() + 1));
    case 1: // noise
        bytes.resize(random.bounded(64));
        for (char &b : bytes)
            b = char(random.bounded(256));
        return bytes;
    case 2: // characters the readers care about, in any order
        for (int i = random.bounded(80); i > 0; --i)
            bytes += alphabet.at(random.bounded(alphabet.size()));
        return bytes;
    default: // a valid file with one byte changed
        bytes = valid;
        bytes[random.bounded(bytes.size())] = char(random.bounded(256));
        return bytes;
    }
}

} // namespace

class TestStartUpRobustness : public QObject
{
    Q_OBJECT

private slots:
    void damagedFiles();
};

void TestStartUpRobustness::damagedFiles()
{
    QRandomGenerator random(20261207); // fixed, so a failure can be repeated
    for (int round = 0; round < 300; ++round) {
        TestRig rig;
        // Each file is missing, damaged, or unreadable (a folder stands in its place).
        bool unreadable[3] = {};
        for (int f = 0; f < 3; ++f) {
            const QString name = QString::fromLatin1(fileNames[f]);
            switch (random.bounded(5)) {
            case 0:
                break;
            case 1:
                QVERIFY(QDir(rig.folder()).mkdir(name));
                unreadable[f] = true;
                break;
            default:
                rig.writeFile(name, damagedBytes(random));
            }
        }
        const QByteArray checkBefore = rig.readFile("checkfile.dat");
        const QByteArray backBefore = rig.readFile("backcolor.dat");

        auto &w = rig.start();
        w.window.close();
        QVERIFY(w.window.isClosed());

        const QString where = QStringLiteral("round %1").arg(round);
        const bool tableFailed = unreadable[0];
        if (tableFailed || unreadable[1])
            QVERIFY2(rig.readFile("checkfile.dat") == checkBefore, qPrintable(where));
        if (tableFailed || unreadable[2])
            QVERIFY2(rig.readFile("backcolor.dat") == backBefore, qPrintable(where));
        for (int f = 1; f < 3; ++f) {
            if (unreadable[f])
                QVERIFY2(QFileInfo(rig.filePath(fileNames[f])).isDir(), qPrintable(where));
        }
        if (!tableFailed && !unreadable[1]) {
            const QByteArray saved = rig.readFile("checkfile.dat");
            QVERIFY2(saved.size() >= 4, qPrintable(where));
            QVERIFY2(saved.mid(4) == checkBefore.mid(4), qPrintable(where));
        }
        if (!tableFailed && !unreadable[2]) {
            QVERIFY2(rig.readFile("backcolor.dat").endsWith("\r\n"), qPrintable(where));
        }
    }
}

QTEST_MAIN(TestStartUpRobustness)
#include "tst_startuprobustness.moc"
