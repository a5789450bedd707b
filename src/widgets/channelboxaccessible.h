#pragma once

#include <QAccessibleWidget>

class ChannelBox;

// What a screen reader sees of a channel box: an editable text with its label's name. Written
// for the box rather than left to Qt's line edit, whose text interface (Qt 6.4) reports an
// attribute run that ends at the offset asked about, so a screen reader reads the value one
// character short, and whose search for the word or sentence at the end of the text can spin
// for ever. A box holds a short number: a word, a sentence and a line are all of its text.
class ChannelBoxAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit ChannelBoxAccessible(ChannelBox *box);

    // The factory that QAccessible asks for every object; this one answers for channel boxes.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    ChannelBox *box() const;
    bool reportsSelection() const;
    // The stretch of the text, as offsets, that one item of the boundary type around `offset`
    // covers; empty when there is none.
    std::pair<int, int> itemAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString textOf(std::pair<int, int> item, int *startOffset, int *endOffset) const;
};
