#pragma once

#include "platform/documentopener.h"
#include "platform/messagebox.h"
#include "platform/programfiles.h"
#include "platform/programlauncher.h"
#include "platform/screencolourreader.h"
#include "platform/screenreader.h"
#include "platform/voice.h"

#include <memory>

// Everything the window needs of the operating system. The program hands the window the
// system's objects; tests hand it fakes.
struct Platform
{
    std::unique_ptr<ProgramFiles> folder; // where the table, the manual and the settings lie
    std::unique_ptr<MessageBox> messageBox;
    std::unique_ptr<VoiceFactory> voices;
    std::unique_ptr<DocumentOpener> opener;
    std::unique_ptr<ProgramLauncher> launcher;
    std::unique_ptr<ScreenColourReader> screen;
    std::unique_ptr<ScreenReader> screenReader;

    static Platform system();
};
