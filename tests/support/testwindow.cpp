#include "support/testwindow.h"

#include "platform/qtmessagebox.h"
#include "widgets/channelbox.h"
#include "widgets/swatch.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

namespace {

template<typename Control>
Control *found(const QObject &window, const char *name)
{
    auto *control = window.findChild<Control *>(QLatin1String(name));
    if (!control)
        qFatal("the window has no control named %s", name);
    return control;
}

} // namespace

ProbedWindow::ProbedWindow(Platform platform)
    : window(std::move(platform))
    , text1(found<ChannelBox>(window, "text1"))
    , text2(found<ChannelBox>(window, "text2"))
    , text3(found<ChannelBox>(window, "text3"))
    , list1(found<QListWidget>(window, "list1"))
    , check1(found<QCheckBox>(window, "check1"))
    , check2(found<QCheckBox>(window, "check2"))
    , command1(found<QPushButton>(window, "command1"))
    , command2(found<QPushButton>(window, "command2"))
    , label1(found<QLabel>(window, "label1"))
    , label2(found<QLabel>(window, "label2"))
    , label3(found<QLabel>(window, "label3"))
    , label4(found<QLabel>(window, "label4"))
    , label5(found<QLabel>(window, "label5"))
    , Shape1(found<Swatch>(window, "Shape1"))
    , mnucolor(found<QMenu>(window, "mnucolor"))
{
}

void ProbedWindow::choose(const char *item)
{
    found<QAction>(window, item)->trigger();
}

TestRig::TestRig()
{
    QVERIFY2(dir.isValid(), "cannot make a temporary program folder");
}

TestRig::~TestRig()
{
    // Tests look at the files shut-down writes themselves; here the window only goes away.
    win.reset();
}

void TestRig::useSubfolder(const QString &name)
{
    QVERIFY(QDir(dir.path()).mkdir(name));
    programFolder = dir.filePath(name);
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
    platform.folder = std::make_unique<FakeFolder>(programFolder);
    auto messageBox = std::make_unique<FakeMessageBox>();
    auto voiceFactory = std::make_unique<FakeVoices>();
    auto documentOpener = std::make_unique<FakeOpener>();
    auto programLauncher = std::make_unique<FakeLauncher>();
    messages = messageBox.get();
    voices = voiceFactory.get();
    voices->available = withSpeech;
    opener = documentOpener.get();
    launcher = programLauncher.get();
    if (realMessageBoxes)
        platform.messageBox = std::make_unique<QtMessageBox>();
    else
        platform.messageBox = std::move(messageBox);
    platform.voices = std::move(voiceFactory);
    platform.opener = std::move(documentOpener);
    platform.launcher = std::move(programLauncher);
    auto screenColours = std::make_unique<FakeScreen>();
    screen = screenColours.get();
    platform.screen = std::move(screenColours);
    auto reader = std::make_unique<FakeScreenReader>();
    screenReader = reader.get();
    platform.screenReader = std::move(reader);
    win = std::make_unique<ProbedWindow>(std::move(platform));
    return *win;
}

ProbedWindow &TestRig::start()
{
    create();
    win->window.startUp();
    return *win;
}

ProbedWindow &TestRig::startShown()
{
    start();
    win->window.show();
    if (!QTest::qWaitForWindowActive(&win->window))
        qFatal("the window did not become active");
    win->text1->setFocus();
    voices->calls.clear();
    return *win;
}

QByteArray toCodePage932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}
