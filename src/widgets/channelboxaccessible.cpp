#include "widgets/channelboxaccessible.h"

#include "widgets/channelbox.h"

#include <QFontMetrics>

ChannelBoxAccessible::ChannelBoxAccessible(ChannelBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QAccessibleInterface *ChannelBoxAccessible::create(const QString &className, QObject *object)
{
    if (className != QLatin1String("ChannelBox") || !object || !object->isWidgetType())
        return nullptr;
    return new ChannelBoxAccessible(static_cast<ChannelBox *>(object));
}

ChannelBox *ChannelBoxAccessible::box() const
{
    return static_cast<ChannelBox *>(widget());
}

QString ChannelBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

// Set from outside as if typed, so the input limit holds.
void ChannelBoxAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State ChannelBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void *ChannelBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

// The selection the box makes on being entered by Tab is not reported. Orca hears of it before
// it hears of the focus, reads it out ("255 selected") and then reads the box again with the
// focus; and when the box is left it would say "Text unselected". Typing replaces the value all
// the same.
bool ChannelBoxAccessible::reportsSelection() const
{
    return box()->hasSelectedText() && !box()->selectedOnEntry();
}

void ChannelBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !reportsSelection())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = *startOffset + box()->selectionLength();
}

int ChannelBoxAccessible::selectionCount() const
{
    return reportsSelection() ? 1 : 0;
}

void ChannelBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ChannelBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void ChannelBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int ChannelBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void ChannelBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString ChannelBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString all = box()->text();
    if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
        return {};
    return all.mid(startOffset, endOffset - startOffset);
}

int ChannelBoxAccessible::characterCount() const
{
    return int(box()->text().size());
}

// -2 stands for the cursor and -1 for the end, as the text interface has it. A character is one
// code point; every other item is the whole text.
std::pair<int, int> ChannelBoxAccessible::itemAt(int offset,
                                                 QAccessible::TextBoundaryType boundaryType) const
{
    const QString all = box()->text();
    const int length = int(all.size());
    if (offset == -2)
        offset = box()->cursorPosition();
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {-1, -1};
    if (boundaryType != QAccessible::CharBoundary)
        return {0, length};
    if (offset == length)
        return {length, length};
    const bool pair
        = offset + 1 < length && all[offset].isHighSurrogate() && all[offset + 1].isLowSurrogate();
    return {offset, offset + (pair ? 2 : 1)};
}

QString ChannelBoxAccessible::textOf(std::pair<int, int> item, int *startOffset,
                                     int *endOffset) const
{
    *startOffset = item.first;
    *endOffset = item.second;
    return item.first < 0 ? QString() : text(item.first, item.second);
}

QString ChannelBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int *startOffset, int *endOffset) const
{
    return textOf(itemAt(offset, boundaryType), startOffset, endOffset);
}

QString ChannelBoxAccessible::textBeforeOffset(int offset,
                                               QAccessible::TextBoundaryType boundaryType,
                                               int *startOffset, int *endOffset) const
{
    const auto [start, end] = itemAt(offset, boundaryType);
    if (start <= 0)
        return textOf({start, start}, startOffset, endOffset);
    // Only characters come before another item: the whole text has nothing before it.
    const QString all = box()->text();
    const bool pair
        = start >= 2 && all[start - 1].isLowSurrogate() && all[start - 2].isHighSurrogate();
    return textOf({start - (pair ? 2 : 1), start}, startOffset, endOffset);
}

QString ChannelBoxAccessible::textAfterOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int *startOffset, int *endOffset) const
{
    const auto [start, end] = itemAt(offset, boundaryType);
    if (start < 0)
        return textOf({start, end}, startOffset, endOffset);
    if (boundaryType != QAccessible::CharBoundary || end >= characterCount())
        return textOf({characterCount(), characterCount()}, startOffset, endOffset);
    return textOf(itemAt(end, boundaryType), startOffset, endOffset);
}

// Near enough for a screen magnifier: the box shows its whole short text from the left.
QRect ChannelBoxAccessible::characterRect(int offset) const
{
    const QString ch = text(offset, offset + 1);
    if (ch.isEmpty())
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect contents = box()->contentsRect().marginsRemoved(box()->textMargins());
    const int x = contents.left() + metrics.horizontalAdvance(box()->text().left(offset));
    const QRect rect(x, contents.top(), metrics.horizontalAdvance(ch), metrics.height());
    return QRect(box()->mapToGlobal(rect.topLeft()), rect.size());
}

int ChannelBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void ChannelBoxAccessible::scrollToSubstring(int, int) { }

// The box has no formatting: the whole text is one run without attributes.
QString ChannelBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// Edits from outside go through the box as a user's would, the input limit included.
void ChannelBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void ChannelBoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void ChannelBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (startOffset < 0 || endOffset < startOffset || endOffset > characterCount())
        return;
    if (endOffset == startOffset)
        box()->setCursorPosition(startOffset);
    else
        box()->setSelection(startOffset, endOffset - startOffset);
    box()->insert(text);
}
