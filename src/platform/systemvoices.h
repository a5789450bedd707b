#pragma once

#include "platform/voice.h"

#include <QString>

// Maps the programmatic identifier of the speech object to this system's speech service:
// "VbPCTK.Voice" is a speech-dispatcher client.
class SystemVoices : public VoiceFactory
{
public:
    // With a socket path, speech goes to the speech-dispatcher listening there instead of the
    // user's own.
    explicit SystemVoices(QString speechSocket = QString());
    std::unique_ptr<Voice> create(const QString &programmaticId) override;

private:
    QString speechSocket;
};
