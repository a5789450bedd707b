// The clipboard menu: copying the code, the name, or both as plain text.

#include "window/kolvarenta.h"

#include "names/clipboardtexts.h"
#include "window/checkboxstate.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// One call per command, plain text only; Qt reports no failure to write the clipboard, so a
// clipboard held by another program leaves it unchanged instead of stopping the program.
void putOnClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

} // namespace

void Kolvarenta::mnucodeclipClick()
{
    putOnClipboard(codeClipText(state.colorcode, state.colorname, checkBoxState(check2)));
}

void Kolvarenta::mnunameclipClick()
{
    putOnClipboard(nameClipText(state.colorname));
}

void Kolvarenta::mnuallclipClick()
{
    putOnClipboard(allClipText(state.colorcode, state.colorname));
}
