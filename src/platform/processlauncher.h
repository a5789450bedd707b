#pragma once

#include "platform/programlauncher.h"

// Starts programs through QProcess, detached from this one.
class ProcessLauncher : public ProgramLauncher
{
public:
    bool startMinimised(const QString &program, const QStringList &arguments) override;
};
