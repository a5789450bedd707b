#pragma once

#include "platform/voice.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

// The speech object on Linux: a client of speech-dispatcher, the speech service that Linux screen
// readers speak through. Texts are spoken in Japanese at message priority, so they queue behind
// each other and behind other programs' messages instead of cutting anything off. A natural
// Japanese voice is used when the server has one. A long text goes in parts, one message each
// (spokenParts), so the voice begins sooner. An output module that cannot read kanji gets every
// text as kana (KanaReading).

// BusyWait waits for the server's report that the text has ended, but never longer than this base
// plus a share per character. The bound only matters when no report comes (a stuck output module,
// a lost connection); a slow voice that outlasts it costs nothing, because the next text then waits
// its turn in the server's queue instead of interrupting.
inline constexpr std::chrono::milliseconds speechWaitBase { 3000 };
inline constexpr std::chrono::milliseconds speechWaitPerCharacter { 250 };

// How long BusyWait waits for the end of a text of this many characters.
std::chrono::milliseconds speechWaitBound(qsizetype length);

// Asks a speech-dispatcher connection which output module speaks its texts: the one set for it, or
// the server's default for its language. Empty when the server does not say. The server's modules
// can be listed, and the connection's own module set (never the server's default, nor the user's
// configuration).
class OutputModuleQuery
{
public:
    virtual ~OutputModuleQuery() = default;
    virtual QString outputModule() = 0;
    virtual QStringList outputModules() { return {}; }
    virtual bool setOutputModule(const QString &) { return false; }
};

// What an output module is given: the texts as written, as kana for a module that cannot read
// kanji, or in the form the natural Japanese voice reads right.
enum class TextForm { AsWritten, Kana, NaturalJapanese };
TextForm textFormFor(const QString &module);

// Sets the connection's output module to a natural Japanese voice (Open JTalk) when the server has
// one, under any of its names; otherwise the server's default stays. Returns the module that then
// speaks, empty when the server does not say.
QString chooseOutputModule(OutputModuleQuery &connection);

// Whether the texts for this connection must reach it as kana: only when its output module is
// one known not to read kanji. Any other module, named or not, gets the text as it is.
bool needsKanaReading(OutputModuleQuery &connection);

// How a speech object works. The program takes the defaults; the benchmarks compare.
struct SpeechDispatcherOptions
{
    // Whether a long text is sent in parts (spokenParts) or whole.
    bool splitLongTexts = true;
    // Called on libspeechd's event thread whenever the server reports that a text of this speech
    // object began. One for the whole program: the latest speech object opened with one sets it.
    void (*textBegan)() = nullptr;
};

// Connects to the user's speech-dispatcher, starting it when it is not running. With a socket
// path, connects to the server listening there instead and never starts one. Null when no server
// answers.
std::unique_ptr<Voice> openSpeechDispatcherVoice(const QString &socketPath = QString(),
                                                 const SpeechDispatcherOptions &options = {});
