#include "app/checkstate.h"

#include <QCheckBox>

qint16 checkBoxState(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    case Qt::Unchecked: break;
    }
    return 0;
}

void setCheckBoxState(QCheckBox *box, qint16 state)
{
    switch (state) {
    case 1: box->setCheckState(Qt::Checked); break;
    case 2: box->setCheckState(Qt::PartiallyChecked); break;
    default: box->setCheckState(Qt::Unchecked); break;
    }
    // The greyed state can be set by the program only; a click toggles between off and on.
    box->setTristate(false);
}
