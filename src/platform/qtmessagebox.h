#pragma once

#include "platform/messagebox.h"

class QtMessageBox : public MessageBox
{
public:
    void show(QWidget *parent, const QString &text, const QString &title) override;
};
