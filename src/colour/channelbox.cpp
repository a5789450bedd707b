#include "colour/channelbox.h"

#include <QValidator>

namespace {

// Refuses an edit that would make the text longer than the limit, unless the edit shortens a
// text that is already over it (so the user can still delete from it).
class InputLimit : public QValidator
{
public:
    explicit InputLimit(ChannelBox *box)
        : QValidator(box)
        , box(box)
    {
    }

    State validate(QString &input, int &) const override
    {
        const bool withinLimit = input.size() <= box->maxInputLength();
        const bool shortening = input.size() < box->text().size();
        return withinLimit || shortening ? Acceptable : Invalid;
    }

private:
    ChannelBox *box;
};

} // namespace

ChannelBox::ChannelBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new InputLimit(this));
}

void ChannelBox::setBoxText(const QString &text)
{
    setText(text.left(limit));
}
