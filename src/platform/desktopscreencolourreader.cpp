#include "platform/desktopscreencolourreader.h"

#include <QCursor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
// The user has to find the colour and click it, perhaps with a magnifier or by ear.
constexpr int pickTimeoutMs = 120'000;

// Waits for the portal's one answer to a request.
class PortalAnswer : public QObject
{
    Q_OBJECT

public:
    void listenAt(const QString &path)
    {
        QDBusConnection::sessionBus().connect(portalService, path, requestInterface,
                                              QStringLiteral("Response"), this,
                                              SLOT(receive(uint, QVariantMap)));
    }

    bool wait()
    {
        if (!answered) {
            QTimer::singleShot(pickTimeoutMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return answered;
    }

    std::optional<QColor> colour;

private slots:
    // Response 0 is a pick; 1 the user cancelled, 2 anything else.
    void receive(uint response, const QVariantMap &results)
    {
        answered = true;
        loop.quit();
        const QDBusArgument rgb = results.value(QStringLiteral("color")).value<QDBusArgument>();
        if (response != 0 || rgb.currentSignature() != QLatin1String("(ddd)"))
            return;
        double channels[3];
        rgb.beginStructure();
        rgb >> channels[0] >> channels[1] >> channels[2];
        rgb.endStructure();
        const auto byte = [](double v) { return qRound(std::clamp(v, 0.0, 1.0) * 255); };
        colour = QColor(byte(channels[0]), byte(channels[1]), byte(channels[2]));
    }

private:
    QEventLoop loop;
    bool answered = false;
};

std::optional<QColor> pickThroughPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    static int requests = 0;
    const QString token = QStringLiteral("kolvarenta%1").arg(++requests);
    // The portal names the request after the caller and the token. Listening before the call
    // catches an answer that comes before the call returns.
    const QString expectedPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                     .arg(bus.baseService().mid(1).replace(u'.', u'_'), token);
    PortalAnswer answer;
    answer.listenAt(expectedPath);

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    const QDBusReply<QDBusObjectPath> reply = bus.call(call);
    if (!reply.isValid())
        return std::nullopt;
    const QString path = reply.value().path();
    // Portals older than handle_token choose a path of their own.
    if (path != expectedPath)
        answer.listenAt(path);
    if (!answer.wait()) {
        bus.asyncCall(QDBusMessage::createMethodCall(portalService, path, requestInterface,
                                                     QStringLiteral("Close")));
    }
    return answer.colour;
}

std::optional<QColor> grabUnderPointer()
{
    const QPoint pointer = QCursor::pos();
    QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        return std::nullopt;
    // Qt scales only the distance from a screen's origin, which stays in device pixels, while
    // grabWindow() scales the whole position: find the device pixel under the pointer, grab the
    // pixel that covers it, and take the device pixel out of that grab.
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QPointF device = origin + QPointF(pointer - origin) * ratio;
    const QPoint grabbed(int(std::floor(device.x() / ratio)), int(std::floor(device.y() / ratio)));
    const QImage image = screen->grabWindow(0, grabbed.x(), grabbed.y(), 1, 1).toImage();
    if (image.isNull())
        return std::nullopt;
    const int x = std::clamp(int(device.x() - grabbed.x() * ratio), 0, image.width() - 1);
    const int y = std::clamp(int(device.y() - grabbed.y() * ratio), 0, image.height() - 1);
    return QColor(image.pixel(x, y));
}

// Under XWayland too: an X11 grab there sees only X11 windows and reads the rest as black.
bool screenIsClosed()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

std::optional<QColor> DesktopScreenColourReader::colourUnderPointer()
{
    if (!screenIsClosed()) {
        if (const std::optional<QColor> colour = grabUnderPointer())
            return colour;
    }
    return pickThroughPortal();
}

#include "desktopscreencolourreader.moc"
