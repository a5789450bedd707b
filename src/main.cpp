#include "platform/quitsignals.h"
#include "window/kolvarenta.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOLVARENTA_APP_ID));
    // A session that ends closes the window as the user would, so shut-down saves the settings;
    // a message box still open is closed first, or it would hold the program.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, &app, &QApplication::closeAllWindows);
    Kolvarenta window(Platform::system());
    window.startUp();
    if (window.isClosed())
        return 1;
    window.show();
    return app.exec();
}
