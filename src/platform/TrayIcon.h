// The main window's icon in the desktop's notification area: always shown while the program runs,
// with the tooltip "Wendelmoor", a click event, balloons, and the window hidden into it and brought
// back from it. Minimising the window hides it into the notification area (minimise-to-tray).
#pragma once

#include <functional>
#include <string>

class TrayIcon {
public:
    virtual ~TrayIcon() = default;

    // Whether the desktop shows a notification area now. Without one a window hidden into it could
    // not be brought back, so the window is then only minimised and keeps its taskbar button.
    virtual bool isAvailable() const = 0;
    // Restores the main window: a minimised window back to its normal state, visible, in front.
    virtual void showMainWindow() = 0;
    // Hides the main window and its taskbar button.
    virtual void hideMainWindow() = 0;
    // Minimises the main window; it keeps its taskbar button.
    virtual void minimizeMainWindow() = 0;
    // A balloon at the icon with an information icon, for timeoutSeconds.
    virtual void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) = 0;

    // The icon was clicked.
    virtual void setOnClick(std::function<void()> handler) = 0;
    // The window was minimised and has been hidden into the notification area.
    virtual void setOnMinimizeToTray(std::function<void()> handler) = 0;
};
