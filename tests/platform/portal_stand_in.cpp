// A stand-in for the desktop portal's GlobalShortcuts interface (and the desktop's notifications) on
// a private session bus, for the tests: portal_stand_in BUS_ADDRESS. It answers CreateSession and BindShortcuts as the
// portal does (a Response signal on the request object), records each call, and sends "Activated" when a test asks
// through its own interface org.wendelmoor.PortalStandIn at /standin (Activate, Calls).
#include "platform/portal/PortalShortcut.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDateTime>
#include <QTimer>

#include <cstdio>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

QDBusConnection& bus() {
    static QDBusConnection connection = QDBusConnection(QString());
    return connection;
}

QStringList& calls() {
    static QStringList list;
    return list;
}

QString senderPart(const QDBusMessage& message) {
    QString sender = message.service().mid(1);
    return sender.replace(QLatin1Char('.'), QLatin1Char('_'));
}

// Answers a request the way the portal does: after the method has returned, on the request's path.
void respond(const QString& request, const QVariantMap& results) {
    QTimer::singleShot(0, [request, results] {
        QDBusMessage response = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                           QStringLiteral("Response"));
        response << 0u << results;
        bus().send(response);
    });
}

class Session : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Session")
public:
    explicit Session(QString path) : path_(std::move(path)) {}
public slots:
    void Close() {
        calls() << QStringLiteral("close ") + path_;
        bus().unregisterObject(path_);
        deleteLater();
    }

private:
    QString path_;
};

class GlobalShortcuts : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)
public:
    uint version() const { return 1; }
    QString session;

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message) {
        const QString sender = senderPart(message);
        session = kPath + QStringLiteral("/session/") + sender + QLatin1Char('/') +
                  options.value("session_handle_token").toString();
        bus().registerObject(session, new Session(session), QDBusConnection::ExportAllSlots);
        calls() << QStringLiteral("create-session");
        const QString request =
            kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + options.value("handle_token").toString();
        respond(request, {{QStringLiteral("session_handle"), session}});
        return QDBusObjectPath(request);
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath& sessionHandle, const PortalShortcuts& shortcuts,
                                  const QString&, const QVariantMap& options, const QDBusMessage& message) {
        QStringList bound;
        for (const PortalShortcut& s : shortcuts)
            bound << s.id + QLatin1Char('=') + s.properties.value(QStringLiteral("preferred_trigger")).toString();
        calls() << QStringLiteral("bind ") +
                       (sessionHandle.path() == session ? QString() : QStringLiteral("(wrong session) ")) +
                       bound.join(QLatin1Char(' '));
        const QString request = kPath + QStringLiteral("/request/") + senderPart(message) + QLatin1Char('/') +
                                options.value("handle_token").toString();
        respond(request, {{QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts)}});
        return QDBusObjectPath(request);
    }
};

// The desktop's notifications, for reminders where no balloon can show.
class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    uint Notify(const QString& application, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int timeout) {
        calls() << QStringLiteral("notify %1: %2|%3|%4").arg(application, summary, body).arg(timeout);
        return static_cast<uint>(calls().size());
    }
};

class Control : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.wendelmoor.PortalStandIn")
public:
    explicit Control(GlobalShortcuts& portal) : portal_(portal) {}
public slots:
    void Activate(const QString& id) {
        QDBusMessage activated = QDBusMessage::createSignal(
            kPath, QStringLiteral("org.freedesktop.portal.GlobalShortcuts"), QStringLiteral("Activated"));
        activated << QVariant::fromValue(QDBusObjectPath(portal_.session)) << id
                  << static_cast<qulonglong>(QDateTime::currentMSecsSinceEpoch()) << QVariantMap();
        bus().send(activated);
    }
    QStringList Calls() { return calls(); }

private:
    GlobalShortcuts& portal_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: portal_stand_in BUS_ADDRESS\n");
        return 2;
    }
    registerPortalShortcutTypes();
    bus() = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("stand-in"));
    GlobalShortcuts portal;
    Control control(portal);
    Notifications notifications;
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties;
    if (!bus().registerObject(kPath, &portal, exported) ||
        !bus().registerObject(QStringLiteral("/standin"), &control, exported) ||
        !bus().registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications, exported) ||
        !bus().registerService(QStringLiteral("org.freedesktop.portal.Desktop")) ||
        !bus().registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "portal_stand_in: %s\n", qPrintable(bus().lastError().message()));
        return 1;
    }
    return QCoreApplication::exec();
}

#include "portal_stand_in.moc"
