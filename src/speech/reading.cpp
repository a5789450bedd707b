// reading: everything the program says goes through here.

#include "app/kolvarenta.h"

#include <QMenu>

void Kolvarenta::reading(QString) {}

void Kolvarenta::createVoiceObject()
{
    mnucolor->menuAction()->setVisible(false);
    mnucolor->setEnabled(false);
}
