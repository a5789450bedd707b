// Colours from outside the window: a colour code on the clipboard and the screen under the mouse
// pointer; and the current colour made the window's background.

#include "window/kolvarenta.h"

#include "names/colourcode.h"
#include "names/colourtext.h"
#include "widgets/channelbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopedValueRollback>

// Takes the colour exactly as if its values had been typed into the boxes in the current mode
// and F8 pressed, and says its name and code as F5 does, after the notice when there is one.
void Kolvarenta::takeColour(QRgb colour, const QString &notice)
{
    const bool hexadecimal = isHexadecimalInput();
    for (const Channel channel : allChannels) {
        const int value = channelOf(colour, channel);
        box(channel)->setBoxText(hexadecimal ? channelHex(value) : QString::number(value));
    }
    colorhenkan();
    if (notice.isEmpty())
        mnuallClick();
    else
        reading(notice + QStringLiteral("\r\n") + nameAndCode());
}

void Kolvarenta::mnupastecolorClick()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    const std::optional<RoundedColour> colour
        = data && data->hasText()
              ? parseColourText(data->text(), state.tablenames.first(state.tablecount),
                                state.tablecodes.first(state.tablecount))
              : std::nullopt;
    if (!colour) {
        platform.messageBox->show(this, QStringLiteral("クリップボードの内容を色として読めません"));
        return;
    }
    // A colour outside sRGB was clipped to the nearest one the screen can show; the user is told
    // that the code heard is not the colour the text named.
    takeColour(colour->colour,
               colour->clipped ? QStringLiteral("表示できる範囲の外の色なので、近い色にしました")
                               : QString());
}

void Kolvarenta::mnupointercolorClick()
{
    // The desktop's picker may keep the events flowing while it waits for the user's click; a
    // second press of the key meanwhile must not open another.
    if (pickingColour)
        return;
    std::optional<QColor> colour;
    {
        const QScopedValueRollback picking(pickingColour, true);
        colour = platform.screen->colourUnderPointer();
    }
    if (!colour) {
        platform.messageBox->show(this, QStringLiteral("画面の色を取得できませんでした"));
        return;
    }
    takeColour(colour->rgb());
}

// The background is written back to backcolor.dat at shut-down, even when the file could not be
// read at start-up: the user has now chosen one.
void Kolvarenta::mnubacksetClick()
{
    state.takeCurrentAsBackground();
    setBackgroundColour(QColor(state.currentColour()));
    keepBackColorFile = false;
    reading(QStringLiteral("背景色にしました") + QStringLiteral("\r\n") + backgroundNameAndCode());
}
