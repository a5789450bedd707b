#pragma once

#include "platform/programfiles.h"

// The two ways the program lives on a Linux system.
//   Portable: kolvarenta.dat lies beside the binary (the build folder, a copied folder). Every
//   file is in the binary's folder.
//   Installed: the table is the user's own (the data folder, ~/.local/share/kolvarenta) or else the
//   shipped one beside the binary's share folder; so is the manual; the settings are in the
//   user's config folder, ~/.config/kolvarenta. The XDG base-directory variables move both.
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
