// reading: everything the program says goes through here; and the creation of the speech object.

#include "window/kolvarenta.h"

#include <QAccessible>
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

// While a screen reader runs, the program does not wait for the end of its text: the screen reader
// reads the window's events meanwhile, and waiting here would hold them up for as long as the
// text lasts. The speech service still queues the texts, so none cuts another off. Built with
// Qt 6.8 or later, the text goes to the screen reader instead, as an announcement: it says it in
// its own voice, in turn with its own speech, and its own stop key silences it.
void Kolvarenta::reading(QString svstring)
{
    const QString text = svstring;
    if (!state.isVoiceOn())
        return;
    if (!platform.screenReader->isRunning()) {
        voiceobject->Go(text);
        voiceobject->BusyWait();
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Only while the accessibility bridge is connected does an announcement reach anyone.
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent announcement(this, voiceobject->spokenForm(text));
        announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&announcement);
        return;
    }
#endif
    voiceobject->Go(text);
}

// Ctrl or Shift pressed and released alone is a screen reader's key for silence; it silences the
// program's text too. Without a screen reader the program waits for each text, so there is
// nothing left to stop by the time a key is seen.
void Kolvarenta::stopSpeech()
{
    if (state.isVoiceOn() && platform.screenReader->isRunning())
        voiceobject->Cancel();
}
