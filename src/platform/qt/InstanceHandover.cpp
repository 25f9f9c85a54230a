#include "InstanceHandover.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

// The socket and the lock are named after the data folder as the file system sees it, so that two
// spellings of one folder meet; the user id keeps users on one machine apart.
QString nameFor(const QString& dataFolder) {
    QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(20);
    return QStringLiteral("wendelmoor-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

constexpr int kAnswerMilliseconds = 1500;

} // namespace

InstanceHandover::InstanceHandover(const QString& dataFolder, QObject* parent)
    : QObject(parent), name_(nameFor(dataFolder)), lock_(QDir::temp().filePath(name_ + ".lock")) {
    lock_.setStaleLockTime(0); // stale only when the program holding it is gone
}

InstanceHandover::~InstanceHandover() = default;

bool InstanceHandover::claim(QString& error) {
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError)
            return false;
        error = QStringLiteral("The lock file \"%1\" could not be made.").arg(lock_.fileName());
        return true; // run all the same: one program without the guard beats none
    }
    QLocalServer::removeServer(name_); // the socket of a program that crashed
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_))
        error = QStringLiteral("A second start cannot reach this program: %1").arg(server_->errorString());
    connect(server_, &QLocalServer::newConnection, this, &InstanceHandover::accept);
    return true;
}

bool InstanceHandover::handOver(const std::vector<HandoverRequest>& requests, QString& error) {
    // The running program may be starting: it takes the lock just before it listens.
    const QDeadlineTimer deadline(kAnswerMilliseconds);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(name_);
        if (socket.waitForConnected(qMax<qint64>(1, deadline.remainingTime())))
            break;
        if (deadline.hasExpired()) {
            error = QStringLiteral("Another Wendelmoor runs for this data folder but does not answer: %1")
                        .arg(socket.errorString());
            return false;
        }
        QThread::msleep(50);
    }
    socket.write(QByteArray::fromStdString(writeHandover(requests)));
    socket.flush();
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(qMax<qint64>(1, deadline.remainingTime())))
        answer += socket.readAll();
    if (!answer.startsWith("ok")) {
        error = QStringLiteral("The running Wendelmoor did not take the request.");
        return false;
    }
    return true;
}

void InstanceHandover::setRequestHandler(std::function<void(const HandoverRequest&)> handler) {
    handler_ = std::move(handler);
    std::vector<HandoverRequest> waiting;
    waiting.swap(waiting_);
    for (const HandoverRequest& request : waiting)
        deliver(request);
}

void InstanceHandover::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* bytes = new QByteArray;
        connect(socket, &QObject::destroyed, this, [bytes] { delete bytes; });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, bytes] {
            *bytes += socket->readAll();
            if (!handoverComplete(bytes->toStdString()))
                return;
            try {
                const std::vector<HandoverRequest> requests = readHandover(bytes->toStdString());
                socket->write("ok\n");
                socket->disconnectFromServer(); // before the requests, which may show a dialog
                for (const HandoverRequest& request : requests)
                    deliver(request);
            } catch (const HandoverError& e) {
                socket->write(QByteArray("refused: ") + e.what() + "\n");
                socket->disconnectFromServer();
            }
        });
    }
}

void InstanceHandover::deliver(const HandoverRequest& request) {
    if (handler_)
        handler_(request);
    else
        waiting_.push_back(request);
}
