// One program at a time for each data folder. The first start holds the data folder's instance lock
// and listens on a local socket named after the folder; a later start finds the lock held, hands its
// requests (show the window, open a collection, …) over that socket and ends.
#pragma once

#include "platform/xdg/HandoverMessage.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QLocalServer;

class InstanceHandover : public QObject {
    Q_OBJECT
public:
    explicit InstanceHandover(const QString& dataFolder, QObject* parent = nullptr);
    ~InstanceHandover() override;

    // True when this is the first program for the data folder: it holds the lock and listens from
    // now on. False when another program runs for it.
    bool claim(QString& error);
    // A later start: hands the requests to the running program and waits for its answer; false with
    // the error text when no running program answered.
    bool handOver(const std::vector<HandoverRequest>& requests, QString& error);

    // Who carries the requests out; those that arrive before a handler is given wait for it.
    void setRequestHandler(std::function<void(const HandoverRequest&)> handler);

    const QString& socketName() const { return name_; }

private:
    void accept();
    void deliver(const HandoverRequest& request);

    QString name_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    std::function<void(const HandoverRequest&)> handler_;
    std::vector<HandoverRequest> waiting_;
};
