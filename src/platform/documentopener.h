#pragma once

#include <QUrl>

// Opens a document or a web address with the desktop's associated application.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    // False when this system has no way at all to open documents.
    virtual bool isAvailable() const = 0;
    // Opens the address in a normal window; the opener's own failure is not reported.
    virtual void open(const QUrl &url) = 0;
};
