#pragma once

#include <QStringList>
#include <QUrl>

// What the menu "その他" reaches outside the window.

// The maker's page on the given host (a build setting); a slash at the end of the host is
// dropped so that the page's path is never preceded by two.
QUrl makerPageAddress(QString host);

// The text editors tried, in order, when this system has no way to open a document with its
// associated application. Each of them takes a file as its one argument and opens a window
// that a screen reader can read.
QStringList fallbackTextEditors();
