#include "window/checkboxstate.h"

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
    // Qt reports the partially checked state only while the box is tristate, so a greyed box
    // stays tristate until its first click, which turns it on. The greyed state can be set by
    // the program only; from then on a click toggles between off and on.
    box->setTristate(state == 2);
    if (state == 2) {
        QObject::connect(
            box, &QCheckBox::clicked, box, [box] { box->setTristate(false); },
            Qt::SingleShotConnection);
    }
}
