// The menu "その他": the manual, the version box and the maker's page, and the platform objects
// behind them.

#include "names/helptargets.h"
#include "platform/desktopservicesopener.h"
#include "platform/processlauncher.h"
#include "support/testwindow.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestHelpCommands : public QObject
{
    Q_OBJECT

private:
    static void run(ProbedWindow &win, const char *item)
    {
        win.window.findChild<QAction *>(QLatin1String(item))->trigger();
    }

private slots:
    void versionBoxIsTheSameEveryTimeAndSilent()
    {
        TestRig rig;
        ProbedWindow &win = rig.start();
        run(win, "mnuver");
        run(win, "mnuver");
        QCOMPARE(rig.messages->shown.size(), 2);
        for (const FakeMessageBox::Shown &box : rig.messages->shown) {
            QCOMPARE(box.text, QStringLiteral("ころもなてい0.13"));
            QCOMPARE(box.title, QStringLiteral("version"));
        }
        QVERIFY(rig.voices->calls.isEmpty());
    }

    // The folder comes without a separator; the manual still lies inside it. It is missing
    // here, which is the opener's business: no editor is started.
    void manualOpensFromTheProgramFolder()
    {
        TestRig rig;
        ProbedWindow &win = rig.start();
        run(win, "mnuhelpopen");
        QCOMPARE(rig.opener->opened, QList{QUrl::fromLocalFile(rig.filePath("kolvarenta.txt"))});
        QVERIFY(rig.launcher->started.isEmpty());
        QVERIFY(rig.messages->shown.isEmpty());
    }

    // Without any opener the first editor that starts gets the path as its one argument.
    void editorStandsInOnlyWithoutAnOpener_data()
    {
        QTest::addColumn<int>("missingEditors");
        QTest::newRow("first editor there") << 0;
        QTest::newRow("first two missing") << 2;
        QTest::newRow("none there: silent") << int(fallbackTextEditors().size());
    }
    void editorStandsInOnlyWithoutAnOpener()
    {
        QFETCH(int, missingEditors);
        TestRig rig;
        rig.useSubfolder(QStringLiteral("my 'odd' \"folder\"; $HOME"));
        ProbedWindow &win = rig.start();
        rig.opener->available = false;
        const QStringList editors = fallbackTextEditors();
        rig.launcher->missing = editors.mid(0, missingEditors);
        run(win, "mnuhelpopen");
        const int tries = qMin(missingEditors + 1, int(editors.size()));
        QCOMPARE(rig.launcher->started.size(), tries);
        for (int i = 0; i < tries; ++i) {
            QCOMPARE(rig.launcher->started[i].program, editors[i]);
            QCOMPARE(rig.launcher->started[i].arguments,
                     QStringList{rig.filePath("kolvarenta.txt")});
        }
        QVERIFY(rig.opener->opened.isEmpty());
        QVERIFY(rig.messages->shown.isEmpty());
    }

    // The page goes to the opener even when it is not available: there is nothing to fall back on.
    void pageOpensOnTheConfiguredHost_data()
    {
        QTest::addColumn<bool>("openerAvailable");
        QTest::newRow("opener available") << true;
        QTest::newRow("no opener") << false;
    }
    void pageOpensOnTheConfiguredHost()
    {
        QFETCH(bool, openerAvailable);
        TestRig rig;
        ProbedWindow &win = rig.start();
        rig.opener->available = openerAvailable;
        run(win, "mnupage");
        QCOMPARE(rig.opener->opened, QList{QUrl(KOLVARENTA_HOMEPAGE_HOST "/mysoft/mysoft.html")});
        QVERIFY(rig.launcher->started.isEmpty());
    }

    void pageAddressNeverHasTwoSlashesBeforeItsPath()
    {
        QCOMPARE(makerPageAddress(QStringLiteral("https://example.org/")),
                 QUrl(QStringLiteral("https://example.org/mysoft/mysoft.html")));
    }

    // The real launcher hands the path over whole: a shell would split it at the blanks and
    // act on the quotes, the semicolon and the "$".
    void launcherPassesTheArgumentWithoutAShell()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("show args"));
        const QString record = dir.filePath(QStringLiteral("record"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \""
                   + record.toUtf8() + "\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString path = QStringLiteral("/a folder/it's \"odd\"; $HOME/kolvarenta.txt");
        ProcessLauncher launcher;
        QVERIFY(launcher.startMinimised(script, {path}));
        QTRY_VERIFY(QFile::exists(record));
        QFile result(record);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()), QStringLiteral("1|") + path);
        QVERIFY(!launcher.startMinimised(dir.filePath(QStringLiteral("no such editor")), {path}));
    }

    void openerIsAvailableOnlyWithXdgOpen()
    {
        if (QFile::exists(QStringLiteral("/.flatpak-info")))
            QSKIP("inside a Flatpak sandbox the desktop portal opens documents");
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        const bool without = DesktopServicesOpener().isAvailable();
        QFile xdgOpen(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(xdgOpen.open(QIODevice::WriteOnly));
        xdgOpen.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        xdgOpen.close();
        const bool with = DesktopServicesOpener().isAvailable();
        qputenv("PATH", path);
        QVERIFY(!without);
        QVERIFY(with);
    }

    // Every menu and menu item of the window has a line of the manual that starts with its
    // caption and access key and gives its shortcut, so the manual cannot fall behind the menus.
    void manualNamesEveryMenuItemWithItsKeys()
    {
        QFile file(QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/kolvarenta.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        TestRig rig;
        const QRegularExpression accessKey(QStringLiteral("\\(?&(.)\\)$"));
        const QRegularExpression functionKey(QStringLiteral("F\\d+キー"));
        for (const QAction *item : rig.start().window.findChildren<QAction *>()) {
            if (item->isSeparator() || item->text().isEmpty())
                continue;
            const QRegularExpressionMatch key = accessKey.match(item->text());
            const QString caption = item->text().left(key.capturedStart());
            const QString keyMark = key.hasMatch() ? u'（' + key.captured(1).toUpper() + u'）' : "";
            const QRegularExpression entry(QLatin1Char('^') + QRegularExpression::escape(caption)
                                           + QStringLiteral("(メニュー)?")
                                           + QRegularExpression::escape(keyMark) + "(、|。|$)");
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString &text) {
                return entry.match(text.trimmed()).hasMatch();
            });
            QVERIFY2(line != lines.end(), qPrintable(item->text()));
            if (item->shortcut().isEmpty()) {
                QVERIFY2(!line->contains(functionKey), qPrintable(item->text()));
                continue;
            }
            const QKeyCombination shortcut = item->shortcut()[0];
            const Qt::KeyboardModifiers modifiers = shortcut.keyboardModifiers();
            QVERIFY2(line->contains(QKeySequence(shortcut.key()).toString() + "キー"),
                     qPrintable(item->text()));
            QCOMPARE(line->contains("Ctrlキー"), modifiers.testFlag(Qt::ControlModifier));
            QCOMPARE(line->contains("シフトキー"), modifiers.testFlag(Qt::ShiftModifier));
        }
    }
};

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
