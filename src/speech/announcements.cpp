// What the program says: the focus announcements and the read-aloud commands. Each builds one
// text from the palette state and the controls and speaks it with one call of reading.

#include "app/kolvarenta.h"

#include "colour/channelbox.h"
#include "colour/colourdescription.h"
#include "colour/contrast.h"
#include "names/colourcode.h"
#include "names/nearestname.h"
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

// The current colour: the one colorcode names, which the swatch and label4 show.
QRgb currentColour(const QString &colorcode)
{
    const std::optional<QRgb> colour = colourOfCode(colorcode);
    Q_ASSERT(colour); // mojiname always builds six hexadecimal digits
    return colour.value_or(qRgb(0, 0, 0));
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

// Of the table's named colours, the one nearest the current colour by CIEDE2000.
void Kolvarenta::mnunearnameClick()
{
    const auto nearest = nearestNamedColour(currentColour(colorcode), tablenames.first(tablecount),
                                            tablecodes.first(tablecount));
    reading(nearest ? nearestNameAnnouncement(tablenames[nearest->entry], nearest->difference)
                    : noNamedColourAnnouncement());
}

void Kolvarenta::mnusetsumeiClick()
{
    reading(describeColour(currentColour(colorcode)));
}

// Against the colour the window is painted with, which backcolor.dat gave at start-up.
void Kolvarenta::mnucontrastClick()
{
    reading(contrastAnnouncement(contrastRatio(currentColour(colorcode), backgroundColour().rgb())));
}
