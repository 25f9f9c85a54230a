// CoolTrayIcon1: the main window's icon in the notification area, over QSystemTrayIcon. It watches
// the main window: when the window is minimised and the desktop has a notification area, it hides
// the window (and so its taskbar button) and reports OnMinimizeToTray. Where the desktop cannot show
// balloons, they go to its notifications (org.freedesktop.Notifications) instead.
#pragma once

#include "platform/TrayIcon.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <optional>

class QWidget;

class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    // available says whether the desktop shows a notification area; the system's answer by default.
    explicit QtTrayIcon(std::function<bool()> available = &QSystemTrayIcon::isSystemTrayAvailable,
                        QObject* parent = nullptr);

    // Shows the icon, with the window's icon and the tooltip "Wendelmoor", and watches the window.
    void attach(QWidget* mainWindow);
    QSystemTrayIcon& systemTrayIcon() { return icon_; }
    // Where the desktop's notifications are asked for when no balloon can show: the session bus by
    // default.
    void setNotificationBus(const QDBusConnection& bus) { notificationBus_ = bus; }

    bool isAvailable() const override { return available_(); }
    void showMainWindow() override;
    void hideMainWindow() override;
    void minimizeMainWindow() override;
    void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) override;
    void setOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void setOnMinimizeToTray(std::function<void()> handler) override { onMinimizeToTray_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hideMinimizedWindow();

    std::function<bool()> available_;
    std::optional<QDBusConnection> notificationBus_;  // the session bus, reached only when needed
    QSystemTrayIcon icon_;
    QPointer<QWidget> window_;
    std::function<void()> onClick_;
    std::function<void()> onMinimizeToTray_;
};
