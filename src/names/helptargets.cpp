#include "names/helptargets.h"

QUrl makerPageAddress(QString host)
{
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return QUrl(host + QStringLiteral("/mysoft/mysoft.html"));
}

QStringList fallbackTextEditors()
{
    // The editors of GNOME, MATE, Xfce, Cinnamon, KDE and LXQt: GTK editors first, as Orca
    // reads them best, then the Qt ones.
    return {
        QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("pluma"),
        QStringLiteral("mousepad"),          QStringLiteral("xed"),   QStringLiteral("kwrite"),
        QStringLiteral("kate"),              QStringLiteral("featherpad"),
    };
}
