#include "window/kolvarenta.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Kolvarenta window(Platform::system());
    window.startUp();
    if (window.isClosed())
        return 1;
    window.show();
    return app.exec();
}
