// Alongside a screen reader: who says the focus under each setting, what the program still says
// and that it never waits for its speech, the stop keys, the setting kept in checkfile.dat; and
// how the accessibility bus tells that a screen reader runs.

#include "support/testwindow.h"

#include "platform/atspiscreenreader.h"
#include "widgets/channelbox.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

// The accessibility bus's status object, as at-spi-bus-launcher serves it.
class StatusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled READ enabled)

public:
    explicit StatusAdaptor(QObject *parent)
        : QDBusAbstractAdaptor(parent)
    {
    }
    bool enabled() const { return screenReader; }
    bool screenReader = false;
};

// Holds the key events that reach the program as Qt's accessibility bridge does while a screen
// reader listens, and posts copies of them (made as the bridge makes them) when told.
class HoldingBridge : public QObject
{
public:
    HoldingBridge() { qApp->installEventFilter(this); }
    void post(bool reversed)
    {
        if (reversed)
            std::reverse(held.begin(), held.end());
        for (const auto &[target, key] : std::exchange(held, {}))
            QCoreApplication::postEvent(target, key);
        QCoreApplication::processEvents();
    }
    bool eventFilter(QObject *target, QEvent *event) override
    {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!event->spontaneous()
            || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        held.append({target, new QKeyEvent(key->type(), key->key(), key->modifiers(),
                                           key->nativeScanCode(), key->nativeVirtualKey(),
                                           key->nativeModifiers(), key->text())});
        return true;
    }
    QList<std::pair<QObject *, QKeyEvent *>> held;
};

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void whoSaysWhat_data();
    void whoSaysWhat();
    void modifiersAloneInTheUsersOrder_data();
    void modifiersAloneInTheUsersOrder();
    void focusSettingIsKeptInTheThirdRecord();
    void accessibilityBusTellsAndFollows();
};

// Each row: the focus setting chosen, whether a screen reader runs, the keys pressed in the red
// box (the start colour, green, has no name in the table), and the voice's calls.
void TestScreenReader::whoSaysWhat_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QStringList>("calls");

    const QList<QKeyCombination> tab{Qt::Key_Tab};
    const QString green = QStringLiteral("Go:グリーンの値の文字入力\r\n255");
    QTest::newRow("without a screen reader the focus is said, waited for")
        << "mnufocusnoreader" << false << tab << QStringList{green, "BusyWait"};
    QTest::newRow("with one it is left to it")
        << "mnufocusnoreader" << true << tab << QStringList{};
    QTest::newRow("always: said, not waited for")
        << "mnufocusalways" << true << tab << QStringList{green};
    QTest::newRow("never") << "mnufocusnever" << false << tab << QStringList{};
    // Built with Qt 6.8 and later, the screen reader reads the new value itself.
    const QStringList steppedBesideScreenReader
            = QT_VERSION < QT_VERSION_CHECK(6, 8, 0) ? QStringList{"Go:1"} : QStringList{};
    QTest::newRow("a stepped value is heard with a screen reader")
        << "mnufocusnoreader" << true << QList<QKeyCombination>{Qt::Key_Down}
        << steppedBesideScreenReader;
    QTest::newRow("and silent without one")
        << "mnufocusnoreader" << false << QList<QKeyCombination>{Qt::Key_Down} << QStringList{};
    QTest::newRow("F4 without a name says so to a screen reader's user")
        << "mnufocusnoreader" << true << QList<QKeyCombination>{Qt::Key_F4}
        << QStringList{"Go:色名はありません"};
    QTest::newRow("and speaks the empty name without one")
        << "mnufocusnoreader" << false << QList<QKeyCombination>{Qt::Key_F4}
        << QStringList{"Go:", "BusyWait"};
}

void TestScreenReader::whoSaysWhat()
{
    QFETCH(QString, setting);
    QFETCH(bool, running);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QStringList, calls);
    TestRig rig;
    rig.writeTable(QStringLiteral("あか,ff0000\r\n"));
    auto &w = rig.startShown();
    w.choose(qPrintable(setting));
    rig.screenReader->running = running;
    rig.voices->calls.clear();

    for (const QKeyCombination key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    QCOMPARE(rig.voices->calls, calls);
}

// Keys pressed at the window, as the windowing system delivers them; with the bridge, the copies
// come after each key, in order or reversed. Each row: the keys, how many texts were stopped,
// and whether the menu bar is left open, with or without the bridge.
void TestScreenReader::modifiersAloneInTheUsersOrder_data()
{
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QString>("bridge");
    QTest::addColumn<int>("stopped");
    QTest::addColumn<bool>("barOpen");

    using Keys = QList<QKeyCombination>;
    const QList<std::tuple<const char *, Keys, int, bool>> cases{
        {"a chord's modifier never stops its own text",
         Keys{Qt::SHIFT | Qt::Key_F5, Qt::SHIFT | Qt::Key_F4, Qt::CTRL | Qt::Key_F6}, 0, false},
        {"Ctrl and Shift alone stop it", Keys{Qt::Key_F5, Qt::Key_Control, Qt::Key_Shift}, 2, false},
        {"a modifier with another key is no stop key", Keys{Qt::CTRL | Qt::Key_A}, 0, false},
        {"Alt alone opens the menu bar", Keys{Qt::Key_Alt}, 0, true},
        {"and again closes it", Keys{Qt::Key_Alt, Qt::Key_Alt}, 0, false},
        {"Alt in a chord does not", Keys{Qt::ALT | Qt::Key_F5}, 0, false},
    };
    for (const QString bridge : {"none", "in order", "reversed"}) {
        for (const auto &[name, keys, stopped, barOpen] : cases)
            QTest::addRow("%s, bridge %s", name, qPrintable(bridge))
                << keys << bridge << stopped << barOpen;
    }
}

void TestScreenReader::modifiersAloneInTheUsersOrder()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, bridge);
    QFETCH(int, stopped);
    QFETCH(bool, barOpen);
    TestRig rig;
    auto &w = rig.startShown();
    rig.screenReader->running = true;
    std::optional<HoldingBridge> holding;
    if (bridge != QLatin1String("none"))
        holding.emplace();

    for (const QKeyCombination key : keys) {
        QTest::keyClick(w.window.windowHandle(), key.key(), key.keyboardModifiers());
        if (holding)
            holding->post(bridge == QLatin1String("reversed"));
    }
    QCOMPARE(rig.voices->calls.count(QStringLiteral("Cancel")), stopped);
    QCOMPARE(w.window.menuBar()->hasFocus(), barOpen);
}

// Chosen from the menu, said, saved as the third record, and back at the next start; a file of
// two records gets no third while the setting is the default.
void TestScreenReader::focusSettingIsKeptInTheThirdRecord()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("あか,ff0000\r\n"));
    rig.writeFile(QStringLiteral("checkfile.dat"), QByteArray("\1\0\0\0", 4));
    rig.start().window.close();
    QCOMPARE(rig.readFile(QStringLiteral("checkfile.dat")), QByteArray("\1\0\0\0", 4));

    auto &w = rig.startShown();
    w.choose("mnufocusnever");
    QCOMPARE(rig.voices->spoken(),
             QStringList{QStringLiteral("フォーカスの読み上げ、読み上げない")});
    w.window.close();
    QCOMPARE(rig.readFile(QStringLiteral("checkfile.dat")), QByteArray("\1\0\0\0\2\0", 6));

    auto &again = rig.startShown();
    QVERIFY(again.window.findChild<QAction *>(QStringLiteral("mnufocusnever"))->isChecked());
    QTest::keyClick(again.text1, Qt::Key_Tab);
    QVERIFY(rig.voices->calls.isEmpty());
}

// A private session bus serves the status object; the screen reader starts, then stops.
void TestScreenReader::accessibilityBusTellsAndFollows()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed, so there is no bus to ask");
    QProcess daemonProcess;
    daemonProcess.start(daemon, {"--session", "--nofork", "--print-address"});
    QVERIFY(daemonProcess.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemonProcess.readLine()).trimmed();
    const QDBusConnection bus = QDBusConnection::connectToBus(address, "reader");
    QVERIFY(bus.isConnected());

    {
        // The launcher answers from a thread of its own, as another process would, while the
        // reader waits for the answer.
        QDBusConnection server = QDBusConnection::connectToBus(address, "launcher");
        QThread launcherThread;
        QObject launcher;
        auto *status = new StatusAdaptor(&launcher);
        status->screenReader = true;
        launcher.moveToThread(&launcherThread);
        launcherThread.start();
        QVERIFY(server.registerObject(QStringLiteral("/org/a11y/bus"), &launcher));
        QVERIFY(server.registerService(QStringLiteral("org.a11y.Bus")));

        AtSpiScreenReader reader(bus);
        QVERIFY(reader.isRunning());
        QDBusMessage changed = QDBusMessage::createSignal(
            QStringLiteral("/org/a11y/bus"), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("PropertiesChanged"));
        changed << QStringLiteral("org.a11y.Status")
                << QVariantMap{{QStringLiteral("ScreenReaderEnabled"), false}} << QStringList();
        QVERIFY(server.send(changed));
        QTRY_VERIFY(!reader.isRunning());
        server.unregisterObject(QStringLiteral("/org/a11y/bus"));
        server.unregisterService(QStringLiteral("org.a11y.Bus"));
        launcherThread.quit();
        launcherThread.wait();
    }
    // No accessibility bus at all: no screen reader, and no wait.
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!AtSpiScreenReader(bus).isRunning());
    QVERIFY(timer.elapsed() < 1500);
    daemonProcess.terminate(); // not kill: on SIGTERM the daemon removes its socket file
    daemonProcess.waitForFinished();
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
