// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the user-interface thread, so the
// program can save its collection before it stops.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};
