// The main window's side of its notification-area icon: the tray flag, set while the window is hidden
// in the notification area, and the commands that hide the window there and bring it back. Every way
// of hiding sets the flag, so one click on the icon always brings a hidden window back and the next
// click hides it again.
#pragma once

#include "platform/TrayIcon.h"

class TrayCommands {
public:
    explicit TrayCommands(TrayIcon& icon) : icon_(icon) {}

    // The window was minimised and the icon hid it into the notification area.
    void CoolTrayIcon1MinimizeToTray() { trayFlag_ = true; }
    // A click on the icon: a hidden window comes back in its normal state, a shown one is hidden.
    void CoolTrayIcon1Click();
    // "Escape Command": hides the window into the notification area.
    void EscapeCommand();

    // A start with "--hidden": the window goes straight into the notification area.
    void startHidden() { hideIntoTray(); }
    // Another start asked for the window: it comes out of the notification area, in front.
    void bringBack() {
        icon_.showMainWindow();
        trayFlag_ = false;
    }

    bool trayFlag() const { return trayFlag_; }

private:
    // Without a notification area the window is only minimised, so its taskbar button can bring it
    // back; the flag stays clear because no click on an icon can.
    void hideIntoTray();

    TrayIcon& icon_;
    bool trayFlag_ = false;
};
