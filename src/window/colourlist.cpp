// The colour list list1: filling it, applying the selected entry, its keys, and on/off.

#include "window/kolvarenta.h"

#include "colour/keycodes.h"
#include "names/textrules.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>

namespace {

// The row of the selected item, or -1 when none is selected.
int selectedIndex(const QListWidget *list)
{
    const auto rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

constexpr int itemsPerPage = 10;

// Selects the row and makes it the current one. The list tells a screen reader of the focus
// moving to an item only when the current item changes; on entering the list the first item is
// already current but not selected, so the first Down would be silent. It is told here.
void selectRow(QListWidget *list, int row)
{
    const bool currentAlready = list->currentRow() == row;
    list->setCurrentRow(row);
    if (currentAlready && list->hasFocus()) {
        QAccessibleEvent focus(list, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace

void Kolvarenta::listselectchange()
{
    const bool on = state.isListOn();
    label5->setVisible(on);
    label5->setEnabled(on);
    if (on) {
        list1->setVisible(true);
        list1->setEnabled(true);
        for (int k = 1; k <= state.tablecount; ++k)
            list1->addItem(QString::number(k) + ideographicSpace + state.tablenames[k]);
    } else {
        // Emptying the list is no choice of the user's: it applies no colour.
        const QSignalBlocker quiet(list1);
        list1->clear();
        list1->setVisible(false);
        list1->setEnabled(false);
    }
}

void Kolvarenta::colorshori()
{
    if (state.isListOn()) {
        const int index = selectedIndex(list1);
        if (index < 0)
            return; // nothing chosen, nothing to apply
        state.takeTableEntry(index + 1);
        juurokushinshori();
    }
    colorhenkan();
}

void Kolvarenta::list1Click()
{
    colorshori();
}

// The navigation keys move the selection themselves; a page is 10 items. Moving the selection
// raises the list's click, which applies the entry; when the key leaves the selection where it
// was, the entry is applied here instead, so every key applies it exactly once.
bool Kolvarenta::list1KeyDown(int keyCode, int shift)
{
    const int count = list1->count();
    const int index = selectedIndex(list1);
    const bool shiftAlone = shift == ShiftMask::Shift;
    int target = index;
    bool apply = true;

    switch (keyCode) {
    case KeyCode::Left:
    case KeyCode::Right:
        return true;
    case KeyCode::Down:
        if (index + 1 < count)
            target = index + 1;
        apply = target != index;
        break;
    case KeyCode::Up:
        if (index > 0)
            target = index - 1;
        apply = target != index;
        break;
    case KeyCode::Home:
        target = 0;
        break;
    case KeyCode::End:
        target = count - 1;
        break;
    case KeyCode::PageDown:
        target = shiftAlone || index + itemsPerPage > count - 1 ? count - 1 : index + itemsPerPage;
        break;
    case KeyCode::PageUp:
        target = shiftAlone || index < itemsPerPage ? 0 : index - itemsPerPage;
        break;
    default:
        return false; // the list's own handling, such as jumping to a typed character
    }

    if (count == 0 || !apply)
        return true;
    if (target != index)
        selectRow(list1, target); // the click applies it
    else
        colorshori();
    return true;
}

void Kolvarenta::mnulistonClick()
{
    if (state.isListOn())
        return;
    state.liston = flagOn;
    listselectchange();
}

void Kolvarenta::mnulistoffClick()
{
    if (!state.isListOn())
        return;
    state.liston = flagOff;
    listselectchange();
}
