#pragma once

#include <QString>

// Where the program's files lie. A copy run from its own folder keeps them all there; an installed
// program reads the colour table and the manual from the shared data and keeps the settings in the
// user's folders.
class ProgramFiles
{
public:
    virtual ~ProgramFiles() = default;
    // The folder of checkfile.dat and backcolor.dat, without a trailing separator unless it is the
    // root. It may not exist yet: shut-down makes it.
    virtual QString settingsFolder() const = 0;
    // The colour table to read, kolvarenta.dat, whether it exists or not.
    virtual QString tableFile() const = 0;
    // The manual, kolvarenta.txt.
    virtual QString manualFile() const = 0;
};
