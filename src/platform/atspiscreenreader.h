#pragma once

#include "platform/screenreader.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// The accessibility bus knows: its ScreenReaderEnabled, which Orca sets while it runs and clears
// when it quits. Asked once at start-up, then followed through the bus's change signals.
class AtSpiScreenReader : public QObject, public ScreenReader
{
    Q_OBJECT

public:
    explicit AtSpiScreenReader(QDBusConnection bus = QDBusConnection::sessionBus());
    bool isRunning() const override { return running; }

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated);

private:
    bool running = false;
};
