// Start-up and shut-down of the window, and the commands that update the colour or close it.

#include "app/kolvarenta.h"
#include "app/swatch.h"
#include "colour/channelbox.h"

#include <QLabel>

void Kolvarenta::startUp()
{
    folderpath = platform.folder->path();
    if (!folderpath.endsWith(QLatin1Char('/')))
        folderpath += QLatin1Char('/');

    createVoiceObject();

    // The current colour starts as the swatch's design fill colour.
    const QColor start = Shape1->fillColor();
    redvalue = qint16(start.red());
    greenvalue = qint16(start.green());
    bluevalue = qint16(start.blue());
    mojiname();
    for (const Channel &channel : channels)
        (this->*channel.box)->setBoxText(QString::number(this->*channel.value));
    label4->setText(colorcode);

    switch (loadColourTable()) {
    case TableLoad::Missing:
        break;
    case TableLoad::Loaded:
        colormatch();
        break;
    case TableLoad::Failed:
        platform.messageBox->show(this, QStringLiteral("色コードファイルが見つかりません"));
        close();
        return;
    }

    liston = -1;
    listselectchange();
    shapename = QStringLiteral("円形");
}

void Kolvarenta::shutDown() {}

void Kolvarenta::command1Click() {}

void Kolvarenta::command2Click()
{
    close();
}

void Kolvarenta::mnukoushinClick() {}

void Kolvarenta::mnuexitClick()
{
    close();
}

void Kolvarenta::check2Click() {}
