// What the program says: the focus announcements and the eleven read-aloud commands. Each builds
// one text from the palette state and the controls and speaks it with one call of reading.

#include "app/kolvarenta.h"

#include "colour/channelbox.h"
#include "names/textrules.h"

#include <QLabel>
#include <QListWidget>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// A control's caption, what it is for, a line break, and what it holds.
QString focusAnnouncement(const QLabel *caption, const QString &purpose, const QString &content)
{
    return caption->text() + purpose + lineBreak + content;
}

} // namespace

void Kolvarenta::channelGotFocus(const Channel &channel)
{
    // The box's text as it stands, valid or not.
    reading(focusAnnouncement(this->*channel.label, QStringLiteral("の値の文字入力"),
                              (this->*channel.box)->text()));
}

void Kolvarenta::list1GotFocus()
{
    // The selected entry, which need not be the list's current item; nothing when none is.
    const QList<QListWidgetItem *> selected = list1->selectedItems();
    const QString entry = selected.isEmpty() ? QString() : selected.constFirst()->text();
    reading(focusAnnouncement(label5, QStringLiteral("の選択"), entry));
}

void Kolvarenta::MnuredClick()
{
    reading(redstring);
}

void Kolvarenta::MnugreenClick()
{
    reading(greenstring);
}

void Kolvarenta::MnublueClick()
{
    reading(bluestring);
}

// Trimmed, so the separator behind a found name is not spoken; a leading star stays.
void Kolvarenta::MnunameClick()
{
    reading(trimBlanks(colorname));
}

// A found name already ends in its ideographic space, so name and code need nothing between them.
void Kolvarenta::mnuallClick()
{
    reading(colorname + colorcode);
}

void Kolvarenta::mnubackredClick()
{
    reading(backredstring);
}

void Kolvarenta::MnubackgreenClick()
{
    reading(backgreenstring);
}

void Kolvarenta::MnubackblueClick()
{
    reading(backbluestring);
}

void Kolvarenta::MnubacknameClick()
{
    reading(removeStar(backcolorname));
}

void Kolvarenta::mnubackallClick()
{
    reading(removeStar(backcolorname) + QLatin1Char(' ') + backredstring + backgreenstring
            + backbluestring);
}

void Kolvarenta::mnukatachiyomiClick()
{
    reading(shapename);
}
