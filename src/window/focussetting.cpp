// The focus setting under 動作変更: whether the channel boxes and the list say what they are
// when they get the focus always, never, or only while no screen reader runs (a screen reader
// says it itself, and the two voices would talk over each other).

#include "window/kolvarenta.h"

#include <QAction>

bool Kolvarenta::announcesFocus() const
{
    switch (focusSetting) {
    case FocusAnnouncement::Always: return true;
    case FocusAnnouncement::Never: return false;
    case FocusAnnouncement::WithoutScreenReader: return !platform.screenReader->isRunning();
    }
    return true;
}

void Kolvarenta::mnufocusalwaysClick()
{
    setFocusAnnouncement(FocusAnnouncement::Always);
}

void Kolvarenta::mnufocusnoreaderClick()
{
    setFocusAnnouncement(FocusAnnouncement::WithoutScreenReader);
}

void Kolvarenta::mnufocusneverClick()
{
    setFocusAnnouncement(FocusAnnouncement::Never);
}

// Says the choice, without its access key, so that a user without a screen reader hears it too.
void Kolvarenta::setFocusAnnouncement(FocusAnnouncement choice)
{
    focusSetting = choice;
    showFocusAnnouncement();
    reading(QStringLiteral("フォーカスの読み上げ、") + focusChoice()->text().section(u'(', 0, 0));
}

QAction *Kolvarenta::focusChoice() const
{
    const char *name = focusSetting == FocusAnnouncement::Always  ? "mnufocusalways"
                       : focusSetting == FocusAnnouncement::Never ? "mnufocusnever"
                                                                  : "mnufocusnoreader";
    return findChild<QAction *>(QLatin1String(name));
}

void Kolvarenta::showFocusAnnouncement()
{
    focusChoice()->setChecked(true);
}
