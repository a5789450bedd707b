#pragma once

#include "colour/inputlimit.h"
#include "colour/notation.h"

#include <QLineEdit>

// A channel box. Its input limit works like this: what the user types or pastes is cut to the
// room the limit leaves, text the program writes into the box is cut to it, and lowering it
// leaves the text already in the box whole. (QLineEdit::setMaxLength would cut that text at
// once.) The program writes through setBoxText or replaceText; a plain setText counts as an
// edit by the user.
class ChannelBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ChannelBox(QWidget *parent = nullptr);

    int maxInputLength() const { return limit; }
    void setMaxInputLength(int length) { limit = length; }

    // Writes the text the program chose, cut to the input limit.
    void setBoxText(const QString &text);
    // Writes the box's own text in another form (trimmed, lower-cased, in the other notation).
    // It is written whole: cutting it would turn it into a different number.
    void replaceText(const QString &text);

    // True while the whole text stands selected as the box selected it on being entered by Tab.
    bool selectedOnEntry() const { return entrySelection; }

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    friend class InputLimit;
    void write(const QString &text);

    int limit = decimalInputLength;
    // The text and selection before the edit being checked; the limit judges the change, not the
    // result.
    QString textBeforeEdit;
    Selection selectionBeforeEdit;
    bool programWriting = false;
    bool entrySelection = false;
};
