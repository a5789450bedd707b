#pragma once

#include "platform/programfiles.h"

// The two ways the program lives on a Linux system.
//   Portable: kolvarenta.dat lies beside the binary (the build folder, a copied folder). Every
//   file is in the binary's folder.
//   Installed: the table is the user's own in their data folder (~/.local/share/kolvarenta), or
//   else the shipped one in the install's share/kolvarenta, where the manual is too; the settings
//   are in the user's config folder (~/.config/kolvarenta). The XDG base-directory variables
//   move the user's two folders.
class SystemProgramFiles : public ProgramFiles
{
public:
    // The mode is settled here, once, from what lies in the binary's folder.
    explicit SystemProgramFiles(QString binaryFolder);

    QString settingsFolder() const override;
    QString tableFile() const override;
    QString manualFile() const override;

private:
    QString binaryFolder;
    bool portable;
};
