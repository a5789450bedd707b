#pragma once

#include <QString>

// The folder the program runs from; every file the program reads or writes lies in it.
class ProgramFolder
{
public:
    virtual ~ProgramFolder() = default;
    // The folder as the operating system reports it, without a trailing separator
    // unless it is the root.
    virtual QString path() const = 0;
};
