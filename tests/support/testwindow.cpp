#include "support/testwindow.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

TestRig::TestRig()
{
    QVERIFY2(dir.isValid(), "cannot make a temporary program folder");
}

TestRig::~TestRig()
{
    // Tests look at the files shut-down writes themselves; here the window only goes away.
    win.reset();
}

void TestRig::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestRig::readFile(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestRig::writeTable(const QString &utf8Text) const
{
    writeFile(QStringLiteral("kolvarenta.dat"), toCodePage932(utf8Text));
}

ProbedWindow &TestRig::create()
{
    Platform platform;
    platform.folder = std::make_unique<FakeFolder>(dir.path());
    auto messageBox = std::make_unique<FakeMessageBox>();
    auto voiceFactory = std::make_unique<FakeVoices>();
    auto documentOpener = std::make_unique<FakeOpener>();
    auto programLauncher = std::make_unique<FakeLauncher>();
    messages = messageBox.get();
    voices = voiceFactory.get();
    opener = documentOpener.get();
    launcher = programLauncher.get();
    platform.messageBox = std::move(messageBox);
    platform.voices = std::move(voiceFactory);
    platform.opener = std::move(documentOpener);
    platform.launcher = std::move(programLauncher);
    win = std::make_unique<ProbedWindow>(std::move(platform));
    return *win;
}

ProbedWindow &TestRig::start()
{
    create();
    win->startUp();
    return *win;
}

QByteArray toCodePage932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}
