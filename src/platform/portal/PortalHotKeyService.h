// Global hot keys through the desktop portal's GlobalShortcuts interface, for Wayland sessions (KDE
// Plasma, GNOME 48 and later), where no program may grab keys itself. The service opens a portal
// session at start, binds one shortcut per registered combination (its display text as id and
// description, the combination as preferred trigger; the desktop may let the user change it), hears
// the portal's "Activated" signal, and closes the session when it ends.
#pragma once

#include "platform/HotKeyService.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <map>
#include <memory>

class PortalHotKeyService : public QObject, public HotKeyService {
    Q_OBJECT
public:
    // The service where the bus offers the portal's GlobalShortcuts interface; nullptr where not.
    static std::unique_ptr<PortalHotKeyService> connect(const QDBusConnection& bus);
    ~PortalHotKeyService() override;

    int registerHotKey(std::uint32_t value) override;
    bool unregisterHotKey(std::uint32_t value) override;
    void setPressHandler(PressHandler handler) override { pressHandler_ = std::move(handler); }
    std::string keyName(std::uint16_t code) const override;
    std::string text(std::uint32_t value) const override;
    std::uint32_t parse(const std::string& text) const override;

    // The portal's trigger text of a value ("CTRL+ALT+Home"), empty for a key it cannot name.
    static QString preferredTrigger(std::uint32_t value);

private slots:
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp, const QVariantMap& options);

private:
    explicit PortalHotKeyService(const QDBusConnection& bus);
    void createSession();
    void bindSoon();
    void bind();
    // The object path of a portal request with this token, whose Response the slot hears.
    QString expectResponse(const QString& token, const char* slot);

    QDBusConnection bus_;
    QString session_;
    bool bindPending_ = false;
    int nextToken_ = 1;
    int nextIdentifier_ = 1;
    std::map<std::uint32_t, int> registered_; // value -> identifier
    PressHandler pressHandler_;
};
