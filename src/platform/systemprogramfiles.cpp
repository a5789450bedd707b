#include "platform/systemprogramfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString tableName = QStringLiteral("kolvarenta.dat");
const QString manualName = QStringLiteral("kolvarenta.txt");
// The folder the program's files have in the user's data and config folders.
const QString ownFolder = QStringLiteral("kolvarenta");

// bin/ and share/kolvarenta/ keep their places to each other under any install prefix, so the
// shipped files are found wherever the program was installed, without a path built in.
QString sharedFile(const QString &binaryFolder, const QString &name)
{
    return QDir::cleanPath(binaryFolder + QStringLiteral("/" KOLVARENTA_SHARED_DATA "/") + name);
}

QString userFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QLatin1Char('/') + ownFolder;
}

} // namespace

SystemProgramFiles::SystemProgramFiles(QString binaryFolder)
    : binaryFolder(std::move(binaryFolder))
    , portable(QFileInfo::exists(QDir(this->binaryFolder).filePath(tableName)))
{
}

QString SystemProgramFiles::settingsFolder() const
{
    return portable ? binaryFolder : userFolder(QStandardPaths::GenericConfigLocation);
}

QString SystemProgramFiles::tableFile() const
{
    if (portable)
        return QDir(binaryFolder).filePath(tableName);
    const QString own =
            userFolder(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + tableName;
    return QFileInfo::exists(own) ? own : sharedFile(binaryFolder, tableName);
}

QString SystemProgramFiles::manualFile() const
{
    return portable ? QDir(binaryFolder).filePath(manualName)
                    : sharedFile(binaryFolder, manualName);
}
