#include "widgets/channelbox.h"

#include "widgets/accessiblefactory.h"
#include "widgets/channelboxaccessible.h"

#include <QFocusEvent>
#include <QScopedValueRollback>
#include <QValidator>

// Sees every change of the text before the box takes it, whether typed, pasted, dropped or
// undone, and holds the user's edits to the limit. It corrects an edit rather than answer
// Invalid: a paste is to be cut, not dropped, and once QLineEdit has kept a text its validator
// called Invalid (as after an undo) it stops reverting the edits that follow.
class InputLimit : public QValidator
{
public:
    explicit InputLimit(ChannelBox *box)
        : QValidator(box)
        , box(box)
    {
    }

    State validate(QString &input, int &cursor) const override
    {
        if (!box->programWriting) {
            const BoxText kept = limitEdit(box->textBeforeEdit, input, cursor, box->limit,
                                           box->selectionBeforeEdit);
            input = kept.text;
            cursor = kept.cursor;
        }
        return Acceptable;
    }

private:
    ChannelBox *box;
};

ChannelBox::ChannelBox(QWidget *parent)
    : QLineEdit(parent)
{
    installAccessibleFactoryOnce<&ChannelBoxAccessible::create>();
    setValidator(new InputLimit(this));
    // QLineEdit takes the selected text out before it asks the validator, and reports the new
    // text, selection and cursor only after it; so what these signals last said is the state
    // before the edit.
    const auto remember = [this] {
        textBeforeEdit = text();
        selectionBeforeEdit = hasSelectedText() ? Selection{selectionStart(), selectionLength()}
                                                : Selection{cursorPosition(), 0};
        entrySelection = false;
    };
    connect(this, &QLineEdit::textChanged, this, remember);
    connect(this, &QLineEdit::selectionChanged, this, remember);
    connect(this, &QLineEdit::cursorPositionChanged, this, remember);
}

void ChannelBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    entrySelection = hasFocus() && hasSelectedText() && selectedText() == text();
}

void ChannelBox::setBoxText(const QString &text)
{
    write(text.left(limit));
}

void ChannelBox::replaceText(const QString &text)
{
    write(text);
}

// An unchanged text is not written again, so the cursor and selection stay where they are.
void ChannelBox::write(const QString &text)
{
    if (text == this->text())
        return;
    const QScopedValueRollback writing(programWriting, true);
    setText(text);
}
