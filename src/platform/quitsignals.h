#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a desktop session ending), SIGHUP (its terminal gone) and SIGINT (Ctrl+C) would end the
// program on the spot, and the settings would be lost. While an object of this class lives they
// become received(), delivered on the thread that made it, so the program can close as the user
// would. A second such signal ends the program at once, as it did before.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

signals:
    void received();

private:
    QSocketNotifier *notifier = nullptr;
};
