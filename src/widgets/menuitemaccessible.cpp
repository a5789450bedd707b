#include "widgets/menuitemaccessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace {

QAction *activeAction(QWidget *owner)
{
    if (auto *menu = qobject_cast<QMenu *>(owner))
        return menu->activeAction();
    if (auto *bar = qobject_cast<QMenuBar *>(owner))
        return bar->activeAction();
    return nullptr;
}

QRect actionGeometry(QWidget *owner, QAction *action)
{
    if (auto *menu = qobject_cast<QMenu *>(owner))
        return menu->actionGeometry(action);
    if (auto *bar = qobject_cast<QMenuBar *>(owner))
        return bar->actionGeometry(action);
    return QRect();
}

} // namespace

MenuItemAccessible::MenuItemAccessible(QAction *action, QWidget *owner)
    : action(action)
    , owner(owner)
{
}

QAccessibleInterface *MenuItemAccessible::create(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (className != QLatin1String("QAction") || !action)
        return nullptr;
    for (QObject *shownIn : action->associatedObjects()) {
        if (qobject_cast<QMenu *>(shownIn) || qobject_cast<QMenuBar *>(shownIn))
            return new MenuItemAccessible(action, static_cast<QWidget *>(shownIn));
    }
    return nullptr;
}

bool MenuItemAccessible::isValid() const
{
    return action && owner;
}

QObject *MenuItemAccessible::object() const
{
    return action;
}

QWindow *MenuItemAccessible::window() const
{
    return owner ? owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface *MenuItemAccessible::childAt(int x, int y) const
{
    QAccessibleInterface *submenu = child(0);
    return submenu && submenu->rect().contains(x, y) ? submenu : nullptr;
}

QAccessibleInterface *MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(owner);
}

// A submenu's item has the submenu as its one child.
QAccessibleInterface *MenuItemAccessible::child(int index) const
{
    return index == 0 && action->menu() ? QAccessible::queryAccessibleInterface(action->menu())
                                        : nullptr;
}

int MenuItemAccessible::childCount() const
{
    return action->menu() ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && action->menu() && child->object() == action->menu() ? 0 : -1;
}

QString MenuItemAccessible::text(QAccessible::Text t) const
{
    // The icon text is the caption without the access key's mark (and without a closing "...",
    // which no caption here has), unless set apart, as none is.
    if (t == QAccessible::Name)
        return action->iconText();
    if (t == QAccessible::Accelerator)
        return action->shortcut().toString(QKeySequence::NativeText);
    return QString();
}

void MenuItemAccessible::setText(QAccessible::Text, const QString &) { }

QRect MenuItemAccessible::rect() const
{
    const QRect geometry = actionGeometry(owner, action);
    return geometry.translated(owner->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role MenuItemAccessible::role() const
{
    return action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.invisible = !owner->isVisible() || !action->isVisible();
    state.focused = activeAction(owner) == action;
    state.disabled = action->isSeparator() || !action->isEnabled();
    state.checkable = action->isCheckable();
    state.checked = action->isChecked();
    state.hasPopup = action->menu() != nullptr;
    return state;
}

void *MenuItemAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                             : nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (!action->isEnabled() || action->isSeparator())
        return {};
    return {action->menu() ? showMenuAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString &actionName)
{
    if (!action->isEnabled())
        return;
    if (actionName == pressAction()) {
        action->trigger();
    } else if (actionName == showMenuAction()) {
        if (action->menu()->isVisible())
            action->menu()->hide();
        else if (auto *menu = qobject_cast<QMenu *>(owner))
            menu->setActiveAction(action);
        else if (auto *bar = qobject_cast<QMenuBar *>(owner))
            bar->setActiveAction(action);
    }
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (!actionNames().contains(actionName))
        return {};
    const QString accessKey = QKeySequence::mnemonic(action->text()).toString();
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    if (shortcut.isEmpty())
        return accessKey.isEmpty() ? QStringList() : QStringList{accessKey};
    return {accessKey, QString(), shortcut};
}
