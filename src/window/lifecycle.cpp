// Start-up and shut-down of the window, the settings files, and the commands that update the
// colour or close the window.

#include "window/kolvarenta.h"

#include "colour/notation.h"
#include "names/colourtable.h"
#include "names/settingsfiles.h"
#include "widgets/channelbox.h"
#include "widgets/swatch.h"
#include "window/checkboxstate.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringEncoder>

namespace {

const QString checkFileName = QStringLiteral("checkfile.dat");
const QString backColorFileName = QStringLiteral("backcolor.dat");

// A settings file that exists but cannot be read is left alone at shut-down.
enum class FileRead { Missing, Read, Unreadable };

FileRead readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.exists())
        return FileRead::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return FileRead::Unreadable;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? FileRead::Read : FileRead::Unreadable;
}

} // namespace

void Kolvarenta::startUp()
{
    state.folderpath = platform.folder->settingsFolder();
    if (!state.folderpath.endsWith(QLatin1Char('/')))
        state.folderpath += QLatin1Char('/');

    createVoiceObject();

    // The current colour starts as the swatch's design fill colour.
    const QColor start = Shape1->fillColor();
    state.redvalue = qint16(start.red());
    state.greenvalue = qint16(start.green());
    state.bluevalue = qint16(start.blue());
    state.mojiname();
    for (const Channel channel : allChannels)
        box(channel)->setBoxText(QString::number(state.value(channel)));
    label4->setText(state.colorcode);

    switch (state.loadColourTable(platform.folder->tableFile())) {
    case PaletteState::TableLoad::Missing:
        break;
    case PaletteState::TableLoad::Loaded:
        state.colormatch();
        restoreOptions();
        break;
    case PaletteState::TableLoad::Failed:
        // Nothing was loaded, so shut-down must not replace the settings files either.
        keepCheckFile = true;
        keepBackColorFile = true;
        platform.messageBox->show(this, QStringLiteral("色コードファイルが見つかりません"));
        close();
        return;
    }

    state.liston = flagOn;
    listselectchange();

    restoreBackground();
    state.backcolormatch();
    state.shapename = QStringLiteral("円形");
}

// Sets the two check boxes from checkfile.dat, and the focus setting. A changed state runs the
// box's click handling, which stores it in checkstate (and for check1 switches the input mode);
// an unchanged one is already there, as 0.
void Kolvarenta::restoreOptions()
{
    QByteArray bytes;
    switch (readWholeFile(state.folderpath + checkFileName, bytes)) {
    case FileRead::Missing:
        return;
    case FileRead::Unreadable:
        // The options start off; the file keeps what it holds unless the user changes one.
        keepCheckFile = true;
        return;
    case FileRead::Read:
        break;
    }
    const CheckRecords records = parseCheckRecords(bytes);
    setCheckBoxState(check1, records.first);
    setCheckBoxState(check2, records.second);
    focusSetting = records.third;
    showFocusAnnouncement();
    if (isHexadecimalMode(state.checkstate[1])) {
        for (const Channel channel : allChannels)
            box(channel)->setBoxText(state.text(channel));
    }
}

// Reads backcolor.dat and paints the window with it; when that fails the window keeps its
// design colour and backcolorcode names that colour instead.
void Kolvarenta::restoreBackground()
{
    std::optional<quint32> value;
    QString code;
    QFile file(state.folderpath + backColorFileName);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        keepBackColorFile = true;
    } else if (file.isOpen() && !file.atEnd()) {
        if (const auto line = readTextLine(file)) {
            backColorLine = *line;
            code = backgroundText(*line);
            value = backgroundValue(code);
        } else {
            keepBackColorFile = true;
        }
    }
    file.close();

    if (value)
        setBackgroundColour(colourOfValue(*value));
    else
        code = backgroundCodeOf(backgroundColour());
    state.setBackground(code);
}

void Kolvarenta::shutDown()
{
    QStringList unsaved;
    // An installed program's settings folder is made on the first save; a failure here shows as
    // the files that could not be saved.
    QDir().mkpath(state.folderpath);
    // Options kept from an unreadable file start as the default; only changing one is worth
    // saving.
    const bool optionsChanged = state.checkstate[1] != 0 || state.checkstate[2] != 0
                                || focusSetting != FocusAnnouncement::WithoutScreenReader;
    if (!keepCheckFile || optionsChanged) {
        const QString path = state.folderpath + checkFileName;
        QByteArray bytes;
        readWholeFile(path, bytes);
        const CheckRecords records{state.checkstate[1], state.checkstate[2], focusSetting};
        if (!saveFile(path, withCheckRecords(bytes, records)))
            unsaved << checkFileName;
    }
    if (!keepBackColorFile) {
        // The line as it was read goes back byte for byte, whatever editor wrote it; decoded and
        // encoded again, bytes that are no code page 932 would not survive.
        QByteArray line = backColorLine;
        if (backgroundText(line) != state.backcolorcode) {
            QStringEncoder encoder("windows-31j");
            line = encoder(state.backcolorcode);
        }
        if (!saveFile(state.folderpath + backColorFileName, line + "\r\n"))
            unsaved << backColorFileName;
    }
    for (const QString &name : unsaved)
        platform.messageBox->show(this, name + QStringLiteral("を保存できませんでした"));
}

void Kolvarenta::command1Click()
{
    colorhenkan();
    text1->setFocus();
}

void Kolvarenta::command2Click()
{
    close();
}

void Kolvarenta::mnukoushinClick()
{
    colorhenkan();
}

void Kolvarenta::mnuexitClick()
{
    close();
}

void Kolvarenta::check2Click()
{
    state.checkstate[2] = checkBoxState(check2);
}
