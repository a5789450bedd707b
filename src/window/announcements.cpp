// What the program says: the focus announcements and the read-aloud commands. Each builds one
// text from the palette state and the controls and speaks it with one call of reading.

#include "window/kolvarenta.h"

#include "colour/colourdescription.h"
#include "colour/contrast.h"
#include "names/nearestname.h"
#include "names/textrules.h"
#include "widgets/channelbox.h"

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

void Kolvarenta::channelGotFocus(Channel channel)
{
    if (!announcesFocus())
        return;
    // The box's text as it stands, valid or not.
    reading(focusAnnouncement(label(channel), QStringLiteral("の値の文字入力"),
                              box(channel)->text()));
}

void Kolvarenta::list1GotFocus()
{
    if (!announcesFocus())
        return;
    // The selected entry, which need not be the list's current item; nothing when none is.
    const QList<QListWidgetItem *> selected = list1->selectedItems();
    const QString entry = selected.isEmpty() ? QString() : selected.constFirst()->text();
    reading(focusAnnouncement(label5, QStringLiteral("の選択"), entry));
}

void Kolvarenta::MnuredClick()
{
    reading(state.redstring);
}

void Kolvarenta::MnugreenClick()
{
    reading(state.greenstring);
}

void Kolvarenta::MnublueClick()
{
    reading(state.bluestring);
}

// A name, or for a colour without one an empty text. A screen reader's user would hear nothing
// at all for the empty text, so while one runs the program says that there is no name.
QString Kolvarenta::nameOrNone(const QString &name) const
{
    if (name.isEmpty() && platform.screenReader->isRunning())
        return QStringLiteral("色名はありません");
    return name;
}

// Trimmed, so the separator behind a found name is not spoken; a leading star stays.
void Kolvarenta::MnunameClick()
{
    reading(nameOrNone(trimBlanks(state.colorname)));
}

// A found name already ends in its ideographic space, so name and code need nothing between them.
QString Kolvarenta::nameAndCode() const
{
    return state.colorname + state.colorcode;
}

void Kolvarenta::mnuallClick()
{
    reading(nameAndCode());
}

void Kolvarenta::mnubackredClick()
{
    reading(state.backredstring);
}

void Kolvarenta::MnubackgreenClick()
{
    reading(state.backgreenstring);
}

void Kolvarenta::MnubackblueClick()
{
    reading(state.backbluestring);
}

void Kolvarenta::MnubacknameClick()
{
    reading(nameOrNone(removeStar(state.backcolorname)));
}

// The background's name without its star, a space, and its code in red, green, blue order.
QString Kolvarenta::backgroundNameAndCode() const
{
    return removeStar(state.backcolorname) + QLatin1Char(' ') + state.backredstring
           + state.backgreenstring + state.backbluestring;
}

void Kolvarenta::mnubackallClick()
{
    reading(backgroundNameAndCode());
}

void Kolvarenta::mnukatachiyomiClick()
{
    reading(state.shapename);
}

// Of the table's named colours, the one nearest the current colour by CIEDE2000.
void Kolvarenta::mnunearnameClick()
{
    const auto nearest =
        nearestNamedColour(state.currentColour(), state.tablenames.first(state.tablecount),
                           state.tablecodes.first(state.tablecount));
    reading(nearest ? nearestNameAnnouncement(state.tablenames[nearest->entry], nearest->difference)
                    : noNamedColourAnnouncement());
}

void Kolvarenta::mnusetsumeiClick()
{
    reading(describeColour(state.currentColour()));
}

// Against the colour the window is painted with, which backcolor.dat gave at start-up.
void Kolvarenta::mnucontrastClick()
{
    reading(contrastAnnouncement(contrastRatio(state.currentColour(), backgroundColour().rgb())));
}
