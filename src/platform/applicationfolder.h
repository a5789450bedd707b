#pragma once

#include "platform/programfolder.h"

// The folder of the running executable.
class ApplicationFolder : public ProgramFolder
{
public:
    QString path() const override;
};
