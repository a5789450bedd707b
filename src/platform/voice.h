#pragma once

#include <QString>

#include <memory>

// The speech-output object: Go starts speaking a text, BusyWait returns once it has been said,
// Cancel silences what it is saying and drops what it has not said yet.
class Voice
{
public:
    virtual ~Voice() = default;
    virtual void Go(const QString &text) = 0;
    virtual void BusyWait() = 0;
    virtual void Cancel() = 0;
    // The text as a screen reader that speaks through the same speech service should be given
    // it: in the form its voice, the service's default, reads right (kana for a voice that cannot
    // read kanji). That need not be this object's own voice.
    virtual QString spokenForm(const QString &text) { return text; }
};

// Creates a speech object from its programmatic identifier; null when it cannot be created.
class VoiceFactory
{
public:
    virtual ~VoiceFactory() = default;
    virtual std::unique_ptr<Voice> create(const QString &programmaticId) = 0;
};
