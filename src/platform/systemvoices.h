#pragma once

#include "platform/voice.h"

// Maps the programmatic identifier of the speech object to this system's speech service.
class SystemVoices : public VoiceFactory
{
public:
    std::unique_ptr<Voice> create(const QString &programmaticId) override;
};
