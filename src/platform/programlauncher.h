#pragma once

#include <QString>
#include <QStringList>

// Starts another program, without a shell: every argument reaches it as it is.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // Starts the program minimised, with the focus, where the system lets a program ask for
    // that; false when it could not be started (not installed, not executable).
    virtual bool startMinimised(const QString &program, const QStringList &arguments) = 0;
};
