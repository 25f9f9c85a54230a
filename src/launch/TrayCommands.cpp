#include "TrayCommands.h"

void TrayCommands::CoolTrayIcon1Click() {
    if (trayFlag_) {
        icon_.showMainWindow();
        trayFlag_ = false;
    } else {
        hideIntoTray();
    }
}

void TrayCommands::EscapeCommand() {
    hideIntoTray();
}

void TrayCommands::hideIntoTray() {
    if (!icon_.isAvailable()) {
        icon_.minimizeMainWindow();
        return;
    }
    icon_.hideMainWindow();
    trayFlag_ = true;
}
