// A notification-area icon that records what was asked of it and plays the desktop: click() is a
// click on the icon, minimize() the user minimising the window. The window's state is kept as the
// real icon would leave it.
#pragma once

#include "platform/TrayIcon.h"

#include <string>
#include <utility>
#include <vector>

class RecordingTrayIcon : public TrayIcon {
public:
    enum class Window { Normal, Minimized, Hidden };

    std::vector<std::string> calls; // "show", "hide", "minimize", "balloon <title>|<text>|<seconds>"
    bool available = true;          // the desktop has a notification area
    Window window = Window::Normal;

    bool isAvailable() const override { return available; }
    void showMainWindow() override {
        calls.push_back("show");
        window = Window::Normal;
    }
    void hideMainWindow() override {
        calls.push_back("hide");
        window = Window::Hidden;
    }
    void minimizeMainWindow() override {
        calls.push_back("minimize");
        minimized();
    }
    void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) override {
        calls.push_back("balloon " + title + "|" + text + "|" + std::to_string(timeoutSeconds));
    }
    void setOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void setOnMinimizeToTray(std::function<void()> handler) override { onMinimizeToTray_ = std::move(handler); }

    void click() {
        if (onClick_)
            onClick_();
    }
    // The user minimises the window (its minimise button, the taskbar).
    void minimize() { minimized(); }
    bool hasHandlers() const { return onClick_ && onMinimizeToTray_; }

private:
    // As the real icon: with a notification area a minimised window is hidden into it.
    void minimized() {
        window = Window::Minimized;
        if (!available)
            return;
        window = Window::Hidden;
        if (onMinimizeToTray_)
            onMinimizeToTray_();
    }

    std::function<void()> onClick_;
    std::function<void()> onMinimizeToTray_;
};
