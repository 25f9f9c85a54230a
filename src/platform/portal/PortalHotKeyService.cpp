#include "PortalHotKeyService.h"

#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"
#include "platform/portal/PortalShortcut.h"
#include "platform/x11/VirtualKeySyms.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QTimer>

#include <X11/Xlib.h>

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

QDBusMessage portalCall(const QString& method) {
    return QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, method);
}

} // namespace

std::unique_ptr<PortalHotKeyService> PortalHotKeyService::connect(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return nullptr;
    QDBusMessage version = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version << kShortcuts << QStringLiteral("version");
    if (bus.call(version, QDBus::Block, 2000).type() != QDBusMessage::ReplyMessage)
        return nullptr; // no portal, or one without global shortcuts
    return std::unique_ptr<PortalHotKeyService>(new PortalHotKeyService(bus));
}

PortalHotKeyService::PortalHotKeyService(const QDBusConnection& bus) : bus_(bus) {
    registerPortalShortcutTypes();
    // Slots named by their signature find their parameter types by name: the path type must be
    // known by name before the first connection, or the connection silently fails.
    qRegisterMetaType<QDBusObjectPath>();
    if (!bus_.connect(kPortal, kPortalPath, kShortcuts, QStringLiteral("Activated"), this,
                      SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap))))
        qWarning("wendelmoor: the desktop portal's hot key presses cannot be heard: %s",
                 qPrintable(bus_.lastError().message()));
    createSession();
}

PortalHotKeyService::~PortalHotKeyService() {
    if (session_.isEmpty())
        return;
    // Waited for, briefly: the program is ending and the portal should know the keys are free.
    bus_.call(QDBusMessage::createMethodCall(kPortal, session_, QStringLiteral("org.freedesktop.portal.Session"),
                                             QStringLiteral("Close")),
              QDBus::Block, 1000);
}

QString PortalHotKeyService::expectResponse(const QString& token, const char* slot) {
    // The portal names a request after the caller's unique bus name without ":" and with "_" for ".".
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    bus_.connect(kPortal, path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this,
                 slot);
    return path;
}

void PortalHotKeyService::createSession() {
    const QString token = QStringLiteral("wendelmoor%1").arg(nextToken_++);
    expectResponse(token, SLOT(sessionCreated(uint, QVariantMap)));
    QDBusMessage call = portalCall(QStringLiteral("CreateSession"));
    call << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("session_handle_token"), token}};
    bus_.asyncCall(call);
}

void PortalHotKeyService::sessionCreated(uint response, const QVariantMap& results) {
    if (response != 0)
        return; // refused: the keys stay unbound
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    if (!registered_.empty() && !bindPending_) // else the bind due carries them
        bind();
}

void PortalHotKeyService::bindSoon() {
    // Registrations come in runs (all items' keys at start): one bind carries the whole run.
    if (bindPending_)
        return;
    bindPending_ = true;
    QTimer::singleShot(0, this, [this] {
        bindPending_ = false;
        if (!session_.isEmpty())
            bind();
    });
}

void PortalHotKeyService::bind() {
    PortalShortcuts shortcuts;
    for (const auto& [value, identifier] : registered_) {
        const QString text = QString::fromStdString(this->text(value));
        QVariantMap properties{
            {QStringLiteral("description"), QStringLiteral("Wendelmoor: launch the items of %1").arg(text)}};
        if (const QString trigger = preferredTrigger(value); !trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        shortcuts.append({text, properties});
    }
    const QString token = QStringLiteral("wendelmoor%1").arg(nextToken_++);
    expectResponse(token, SLOT(shortcutsBound(uint, QVariantMap)));
    QDBusMessage call = portalCall(QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(shortcuts) << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token}};
    bus_.asyncCall(call);
}

void PortalHotKeyService::shortcutsBound(uint, const QVariantMap&) {
    // The desktop has shown the user its dialog; what was bound shows in its own settings.
}

void PortalHotKeyService::activated(const QDBusObjectPath& session, const QString& id, qulonglong, const QVariantMap&) {
    if (session.path() != session_ || !pressHandler_)
        return;
    const std::uint32_t value = parse(id.toStdString());
    auto it = registered_.find(value);
    if (it != registered_.end())
        pressHandler_(value, it->second);
}

int PortalHotKeyService::registerHotKey(std::uint32_t value) {
    if (value == 0 || hotKeyText(value).empty())
        return 0;
    auto [it, added] = registered_.try_emplace(value, nextIdentifier_);
    if (added) {
        ++nextIdentifier_;
        bindSoon();
    }
    return it->second;
}

bool PortalHotKeyService::unregisterHotKey(std::uint32_t value) {
    if (registered_.erase(value) == 0)
        return false;
    bindSoon();
    return true;
}

std::string PortalHotKeyService::keyName(std::uint16_t code) const {
    return std::string(virtualKeyName(code));
}
std::string PortalHotKeyService::text(std::uint32_t value) const {
    return hotKeyText(value);
}
std::uint32_t PortalHotKeyService::parse(const std::string& text) const {
    return parseHotKeyText(text);
}

QString PortalHotKeyService::preferredTrigger(std::uint32_t value) {
    const char* name = XKeysymToString(keySymForVirtualKey(static_cast<int>(value & 0xFF)));
    if (!name)
        return {};
    QString trigger;
    if (value & 0x4000)
        trigger += QStringLiteral("CTRL+");
    if (value & 0x8000)
        trigger += QStringLiteral("ALT+");
    if (value & 0x2000)
        trigger += QStringLiteral("SHIFT+");
    if (value & 0x10000)
        trigger += QStringLiteral("LOGO+");
    return trigger + QString::fromLatin1(name);
}
