#include "platform/systemvoices.h"

#include "platform/speechdispatchervoice.h"

SystemVoices::SystemVoices(QString speechSocket)
    : speechSocket(std::move(speechSocket))
{
}

std::unique_ptr<Voice> SystemVoices::create(const QString &programmaticId)
{
    if (programmaticId != QLatin1String("VbPCTK.Voice"))
        return nullptr;
    return openSpeechDispatcherVoice(speechSocket);
}
