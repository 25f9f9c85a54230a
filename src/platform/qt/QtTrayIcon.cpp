#include "QtTrayIcon.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QEvent>
#include <QStyle>
#include <QWidget>

QtTrayIcon::QtTrayIcon(std::function<bool()> available, QObject* parent)
    : QObject(parent), available_(std::move(available)) {
    icon_.setToolTip(QStringLiteral("Wendelmoor"));
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger && onClick_)
            onClick_();
    });
}

void QtTrayIcon::attach(QWidget* mainWindow) {
    if (window_)
        window_->removeEventFilter(this);
    window_ = mainWindow;
    QIcon icon = mainWindow->windowIcon();
    if (icon.isNull())
        icon = mainWindow->style()->standardIcon(QStyle::SP_DirLinkIcon);
    icon_.setIcon(icon);
    mainWindow->installEventFilter(this);
    icon_.show();
}

void QtTrayIcon::showMainWindow() {
    if (!window_)
        return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtTrayIcon::hideMainWindow() {
    if (window_)
        window_->hide();
}

void QtTrayIcon::minimizeMainWindow() {
    if (window_)
        window_->showMinimized();
}

void QtTrayIcon::showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) {
    if (!isAvailable() || !QSystemTrayIcon::supportsMessages()) {
        // No balloons here: the desktop's notifications carry the reminder instead.
        QDBusMessage notify = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        notify << QStringLiteral("Wendelmoor") << 0u << QStringLiteral("org.wendelmoor.Wendelmoor")
               << QString::fromStdString(title) << QString::fromStdString(text) << QStringList() << QVariantMap()
               << timeoutSeconds * 1000;
        notificationBus_.value_or(QDBusConnection::sessionBus()).asyncCall(notify);
        return;
    }
    icon_.showMessage(QString::fromStdString(title), QString::fromStdString(text), QSystemTrayIcon::Information,
                      timeoutSeconds * 1000);
}

bool QtTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange && window_->isMinimized() && isAvailable())
        // Hidden once the state change has been handled: a window hidden while the window manager is
        // still minimising it may come back mapped.
        QMetaObject::invokeMethod(this, &QtTrayIcon::hideMinimizedWindow, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void QtTrayIcon::hideMinimizedWindow() {
    if (!window_ || !window_->isMinimized() || !window_->isVisible())
        return;
    window_->hide();
    if (onMinimizeToTray_)
        onMinimizeToTray_();
}
