#pragma once

#include <QString>

class QWidget;

// A modal message box with an OK button only and no icon; returns when it is dismissed.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title = QString()) = 0;
};
