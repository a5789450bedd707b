#pragma once

#include <QAccessible>

// Installs the factory with QAccessible the first time it is called; later calls do nothing.
// The widgets that bring their own accessible interfaces call it when they are made.
template <QAccessible::InterfaceFactory factory>
void installAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
