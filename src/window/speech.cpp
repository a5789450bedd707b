// reading: everything the program says goes through here; and the creation of the speech object.

#include "window/kolvarenta.h"

#include <QMenu>

// Start-up's step that creates the speech object. Without one the program runs silently.
void Kolvarenta::createVoiceObject()
{
    voiceobject = platform.voices->create(QStringLiteral("VbPCTK.Voice"));
    if (voiceobject) {
        state.voiceon = flagOn;
        return;
    }
    // Silently without speech: the read-aloud menu leaves the menu bar and its items their keys.
    // The colour update in it keeps F8, because the update has nothing to do with speech: a
    // shortcut no longer fires from a hidden or disabled menu, so the item also goes onto the
    // window, where it does.
    mnucolor->menuAction()->setVisible(false);
    mnucolor->menuAction()->setEnabled(false);
    addAction(mnucolor->findChild<QAction *>(QStringLiteral("mnukoushin")));
}

void Kolvarenta::reading(QString svstring)
{
    const QString text = svstring;
    if (!state.isVoiceOn())
        return;
    voiceobject->Go(text);
    voiceobject->BusyWait();
}
