#pragma once

#include <QtGlobal>

class QCheckBox;

// Check box states as the program stores them: 0 off, 1 on, 2 greyed. Qt numbers the
// partially checked state 1 and the checked state 2, so every read and write goes through here.
qint16 checkBoxState(const QCheckBox *box);
void setCheckBoxState(QCheckBox *box, qint16 state);
