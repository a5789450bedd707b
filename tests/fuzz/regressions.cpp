// Feeds every file of the folders named on the command line to the target's check, so the
// committed corpus and every input that once found a fault run in the ordinary test suite,
// without clang. A folder that does not exist holds no inputs yet.

#include "fuzzcheck.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    int checked = 0;
    for (int a = 1; a < argc; ++a) {
        const QDir folder(QString::fromLocal8Bit(argv[a]));
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            // Named first, so that a broken promise says which input broke it.
            std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
            checkInput(file.readAll());
            ++checked;
        }
    }
    std::printf("%d inputs checked\n", checked);
    return checked > 0 ? 0 : 1;
}
