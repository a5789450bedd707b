// The formats of checkfile.dat and backcolor.dat, without the window.

#include "names/settingsfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ino_t inodeOf(const QString &path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void checkRecords_data();
    void checkRecords();
    void writingKeepsWhatFollowsTheRecords();
    void backgroundValue_data();
    void backgroundValue();
    void backgroundColours();
    void cutBackgroundCode_data();
    void cutBackgroundCode();
    void saveFileReplacesWholeOrNothing();
    void saveFileIntoReadOnlyFolder_data();
    void saveFileIntoReadOnlyFolder();
};

void TestSettingsFiles::checkRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("focus");

    QTest::newRow("both off") << QByteArray("\0\0\0\0", 4) << 0 << 0 << 0;
    QTest::newRow("hexadecimal on") << QByteArray("\1\0\0\0", 4) << 1 << 0 << 0;
    QTest::newRow("hash on, little-endian") << QByteArray("\0\0\1\0", 4) << 0 << 1 << 0;
    QTest::newRow("greyed is kept") << QByteArray("\2\0\2\0", 4) << 2 << 2 << 0;
    QTest::newRow("big-endian 1 is no state") << QByteArray("\0\1\0\1", 4) << 0 << 0 << 0;
    QTest::newRow("-1 reads as off") << QByteArray("\xff\xff\1\0", 4) << 0 << 1 << 0;
    QTest::newRow("3 reads as off") << QByteArray("\3\0\1\0", 4) << 0 << 1 << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0 << 0;
    QTest::newRow("one record") << QByteArray("\1\0", 2) << 1 << 0 << 0;
    QTest::newRow("three bytes") << QByteArray("\1\0\1", 3) << 1 << 0 << 0;
    QTest::newRow("oversized file") << QByteArray("\1\0\1\0\7\7\7", 7) << 1 << 1 << 0;
    QTest::newRow("focus never") << QByteArray("\0\0\1\0\2\0", 6) << 0 << 1 << 2;
    QTest::newRow("focus always, half a fourth record") << QByteArray("\1\0\0\0\1\0\5", 7) << 1 << 0 << 1;
}

void TestSettingsFiles::checkRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, focus);
    const CheckRecords records = parseCheckRecords(bytes);
    QCOMPARE(records.first, qint16(first));
    QCOMPARE(records.second, qint16(second));
    QCOMPARE(records.third, FocusAnnouncement(focus));
}

void TestSettingsFiles::writingKeepsWhatFollowsTheRecords()
{
    QCOMPARE(withCheckRecords(QByteArray(), {1, 0}), QByteArray("\1\0\0\0", 4));
    QCOMPARE(withCheckRecords(QByteArray("\7", 1), {0, 2}), QByteArray("\0\0\2\0", 4));
    QCOMPARE(withCheckRecords(QByteArray("\0\0\0\0tail", 8), {1, 1}),
             QByteArray("\1\0\1\0tail", 8));
    QCOMPARE(withCheckRecords(QByteArray("\1\0\1\0", 4), {1, 1}), QByteArray("\1\0\1\0", 4));
    QCOMPARE(withCheckRecords(QByteArray("\1\0\1\0", 4), {1, 1, FocusAnnouncement::Never}),
             QByteArray("\1\0\1\0\2\0", 6));
}

void TestSettingsFiles::backgroundValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isColour");
    QTest::addColumn<uint>("value");

    QTest::newRow("red") << "0000FF" << true << 0x0000FFu;
    QTest::newRow("blue") << "FF0000" << true << 0xFF0000u;
    QTest::newRow("lower case") << "f0f0f0" << true << 0xF0F0F0u;
    QTest::newRow("short") << "FF" << true << 0xFFu;
    QTest::newRow("leading blanks skipped") << "  \t80" << true << 0x80u;
    QTest::newRow("stops at the first other character") << "12x34" << true << 0x12u;
    QTest::newRow("empty is black") << "" << true << 0u;
    QTest::newRow("no leading digit is black") << "zz" << true << 0u;
    QTest::newRow("full-width digits are no digits") << "１２" << true << 0u;
    QTest::newRow("the largest colour") << "FFFFFF" << true << 0xFFFFFFu;
    QTest::newRow("above FFFFFF") << "1000000" << false << 0u;
    QTest::newRow("far too long") << QString(60, QLatin1Char('F')) << false << 0u;
    QTest::newRow("leading zeros do not count") << "0000000FF" << true << 0xFFu;
}

void TestSettingsFiles::backgroundValue()
{
    QFETCH(QString, text);
    QFETCH(bool, isColour);
    QFETCH(uint, value);
    const auto read = ::backgroundValue(text);
    QCOMPARE(read.has_value(), isColour);
    if (isColour)
        QCOMPARE(*read, value);
}

void TestSettingsFiles::backgroundColours()
{
    QCOMPARE(colourOfValue(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(colourOfValue(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(colourOfValue(0x123456), QColor(0x56, 0x34, 0x12));
    QCOMPARE(backgroundCodeOf(QColor(0xF0, 0xF0, 0xF0)), QStringLiteral("F0F0F0"));
    QCOMPARE(backgroundCodeOf(QColor(255, 0, 0)), QStringLiteral("FF"));
    QCOMPARE(backgroundCodeOf(QColor(0, 0, 0)), QStringLiteral("0"));
    QCOMPARE(backgroundCodeOf(QColor(0x56, 0x34, 0x12)), QStringLiteral("123456"));
}

void TestSettingsFiles::cutBackgroundCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("green");
    QTest::addColumn<QString>("blue");

    QTest::newRow("six digits run blue, green, red") << "0000FF" << "FF" << "00" << "00";
    QTest::newRow("blue") << "FF0000" << "00" << "00" << "FF";
    QTest::newRow("two digits") << "FF" << "FF" << "" << "FF";
    QTest::newRow("one digit") << "F" << "F" << "" << "F";
    QTest::newRow("three digits") << "ABC" << "BC" << "C" << "AB";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void TestSettingsFiles::cutBackgroundCode()
{
    QFETCH(QString, code);
    QFETCH(QString, red);
    QFETCH(QString, green);
    QFETCH(QString, blue);
    const BackgroundChannels cut = ::cutBackgroundCode(code);
    QCOMPARE(cut.red, red);
    QCOMPARE(cut.green, green);
    QCOMPARE(cut.blue, blue);
}

void TestSettingsFiles::saveFileReplacesWholeOrNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("backcolor.dat"));
    QVERIFY(saveFile(path, "a long first version\r\n"));
    QVERIFY(saveFile(path, "F0F0F0\r\n"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("F0F0F0\r\n"));

    // A folder that does not exist cannot take the file; nothing is claimed.
    QVERIFY(!saveFile(dir.filePath(QStringLiteral("missing/backcolor.dat")), "x"));
}

void TestSettingsFiles::saveFileIntoReadOnlyFolder_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("writable folder: a new file takes the old one's place")
            << true << true << true << false;
    QTest::newRow("read-only folder, writable file: written over in place")
            << false << true << true << true;
    QTest::newRow("read-only folder without the file: nothing is claimed")
            << false << false << false << false;
}

void TestSettingsFiles::saveFileIntoReadOnlyFolder()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileExists);
    QFETCH(bool, saved);
    QFETCH(bool, inPlace);
    // Read, write and enter for everyone; or read and enter only.
    const auto everyone = QFileDevice::Permissions(0x7777);
    const auto readOnly = QFileDevice::Permissions(0x5555);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("settings"));
    const QString path = folder + QStringLiteral("/backcolor.dat");
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(!fileExists || saveFile(path, "a long first version\r\n"));
    const ino_t before = inodeOf(path);
    QVERIFY(QFile::setPermissions(path, everyone) == fileExists);
    QVERIFY(QFile::setPermissions(dir.path(), everyone));
    QVERIFY(QFile::setPermissions(folder, folderWritable ? everyone : readOnly));

    // Root writes into any folder, so as root the save runs as nobody for the moment.
    const bool asRoot = geteuid() == 0;
    QVERIFY(!asRoot || (setegid(65534) == 0 && seteuid(65534) == 0));
    const bool result = saveFile(path, "F0F0F0\r\n");
    QVERIFY(!asRoot || (seteuid(0) == 0 && setegid(0) == 0));
    QVERIFY(QFile::setPermissions(folder, everyone));

    QCOMPARE(result, saved);
    QCOMPARE(readAll(path), QByteArray(saved ? "F0F0F0\r\n" : ""));
    QCOMPARE(inodeOf(path) == before, inPlace || !saved);
}

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
