#pragma once

// Stand-ins for the operating system, handed to the window in tests. Each records what the
// window asked of it and returns at once, so no test ever waits on a dialog or a voice.

#include "platform/platform.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Every file in one folder, as a portable copy of the program keeps them.
class FakeFolder : public ProgramFiles
{
public:
    explicit FakeFolder(QString path) : folder(std::move(path)) {}
    QString settingsFolder() const override { return folder; }
    QString tableFile() const override { return QDir(folder).filePath("kolvarenta.dat"); }
    QString manualFile() const override { return QDir(folder).filePath("kolvarenta.txt"); }

private:
    QString folder;
};

class FakeMessageBox : public MessageBox
{
public:
    struct Shown
    {
        QString text;
        QString title;
    };
    void show(QWidget *, const QString &text, const QString &title) override
    {
        shown.append({text, title});
    }
    QStringList texts() const
    {
        QStringList list;
        for (const Shown &s : shown)
            list << s.text;
        return list;
    }
    QList<Shown> shown;
};

// Records "Go:<text>", "BusyWait" and "Cancel" in the order the window calls them.
class FakeVoice : public Voice
{
public:
    explicit FakeVoice(QStringList *calls) : calls(calls) {}
    void Go(const QString &text) override { calls->append(QStringLiteral("Go:") + text); }
    void BusyWait() override { calls->append(QStringLiteral("BusyWait")); }
    void Cancel() override { calls->append(QStringLiteral("Cancel")); }

private:
    QStringList *calls;
};

class FakeVoices : public VoiceFactory
{
public:
    std::unique_ptr<Voice> create(const QString &programmaticId) override
    {
        requested.append(programmaticId);
        if (!available)
            return nullptr;
        return std::make_unique<FakeVoice>(&calls);
    }
    bool available = true;
    QStringList requested;
    QStringList calls;
    // The calls of one reading of the text: Go, then BusyWait.
    static QStringList spokenOnce(const QString &text)
    {
        return {QStringLiteral("Go:") + text, QStringLiteral("BusyWait")};
    }
    // The texts given to Go, in order.
    QStringList spoken() const
    {
        QStringList texts;
        for (const QString &call : calls) {
            if (call.startsWith(QStringLiteral("Go:")))
                texts << call.mid(3);
        }
        return texts;
    }
};

class FakeOpener : public DocumentOpener
{
public:
    bool isAvailable() const override { return available; }
    void open(const QUrl &url) override { opened.append(url); }
    bool available = true;
    QList<QUrl> opened;
};

class FakeLauncher : public ProgramLauncher
{
public:
    struct Started
    {
        QString program;
        QStringList arguments;
    };
    // Records every attempt; a program named in missing fails to start.
    bool startMinimised(const QString &program, const QStringList &arguments) override
    {
        started.append({program, arguments});
        return !missing.contains(program);
    }
    QList<Started> started;
    QStringList missing;
};

// Answers with a preset colour, or with none as a desktop that hides its screen does.
class FakeScreen : public ScreenColourReader
{
public:
    std::optional<QColor> colourUnderPointer() override
    {
        ++reads;
        if (whileReading)
            whileReading(); // as the user might, while a desktop's picker is open
        return colour;
    }
    std::optional<QColor> colour;
    std::function<void()> whileReading;
    int reads = 0;
};

// A screen reader that runs or not, as the test says.
class FakeScreenReader : public ScreenReader
{
public:
    bool isRunning() const override { return running; }
    bool running = false;
};

// Fakes for every seam, every file in the given folder, and no speech: for programs that only
// need the window to run, such as benchmarks and the helpers that tests start.
inline Platform quietFakePlatform(const QString &folder)
{
    Platform platform;
    platform.folder = std::make_unique<FakeFolder>(folder);
    platform.messageBox = std::make_unique<FakeMessageBox>();
    auto voices = std::make_unique<FakeVoices>();
    voices->available = false;
    platform.voices = std::move(voices);
    platform.opener = std::make_unique<FakeOpener>();
    platform.launcher = std::make_unique<FakeLauncher>();
    platform.screen = std::make_unique<FakeScreen>();
    platform.screenReader = std::make_unique<FakeScreenReader>();
    return platform;
}
