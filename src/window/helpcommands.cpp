// The menu "その他": the text manual, the version and the maker's web page.

#include "window/kolvarenta.h"

#include "names/helptargets.h"

// The manual opens with the desktop's application for text files. Whatever that opener then
// reports (no application, a missing file) is not the program's business. Only a system with no
// opener at all gets a text editor instead; the path goes to it as one argument, never through a
// shell, so a folder name with spaces or quotes reaches the editor whole.
void Kolvarenta::mnuhelpopenClick()
{
    const QString path = platform.folder->manualFile();
    if (platform.opener->isAvailable()) {
        platform.opener->open(QUrl::fromLocalFile(path));
        return;
    }
    for (const QString &editor : fallbackTextEditors()) {
        if (platform.launcher->startMinimised(editor, {path}))
            return;
    }
}

void Kolvarenta::mnuverClick()
{
    platform.messageBox->show(this, QStringLiteral("ころもなてい0.13"), QStringLiteral("version"));
}

void Kolvarenta::mnupageClick()
{
    platform.opener->open(makerPageAddress(QStringLiteral(KOLVARENTA_HOMEPAGE_HOST)));
}
