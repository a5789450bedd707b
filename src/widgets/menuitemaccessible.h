#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QWidget;

// What a screen reader sees of a menu item: as Qt's own menu item (Qt 6.4), and besides its
// shortcut key in the form AT-SPI screen readers read, "mnemonic;path;accelerator". Qt reports
// the shortcut as the only key binding, which Orca takes for the key path and never speaks; as
// the accelerator, Orca says it after the item: "コード文字をクリップボードにコピー(c) F6".
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuItemAccessible(QAction *action, QWidget *owner);

    // The factory that QAccessible asks for every object; this one answers for the actions of
    // menus and menu bars.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QAction> action;
    QPointer<QWidget> owner; // the menu or menu bar that shows the item
};
