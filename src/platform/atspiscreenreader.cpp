#include "platform/atspiscreenreader.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.a11y.Bus");
const QString path = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString enabled = QStringLiteral("ScreenReaderEnabled");

// A desktop without the bus answers at once; one that hangs must not hold up the start.
constexpr int replyTimeoutMs = 1000;

} // namespace

AtSpiScreenReader::AtSpiScreenReader(QDBusConnection bus)
{
    if (!bus.isConnected())
        return;
    bus.connect(service, path, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get
        = QDBusMessage::createMethodCall(service, path, propertiesInterface, QStringLiteral("Get"));
    get << statusInterface << enabled;
    const QDBusMessage reply = bus.call(get, QDBus::Block, replyTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        running = qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

void AtSpiScreenReader::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                          const QStringList &)
{
    if (interface == statusInterface && changed.contains(enabled))
        running = changed.value(enabled).toBool();
}
