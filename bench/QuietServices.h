#pragma once
// Platform services that do nothing visible, for benchmarks that run the main window: no message
// boxes, no desktop calls, no notification area, and a clipboard held in memory.

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/TrayIcon.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace bench_services {

struct QuietDialogs : Dialogs {
    void showMessage(const std::string&) override {}
    void showWarning(const std::string&) override {}
    void showError(const std::string&) override {}
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::int32_t> askColor(std::int32_t) override { return std::nullopt; }
};

// Holds one content, as the system clipboard does; outline data is produced when pasted.
struct MemoryClipboard : Clipboard {
    std::optional<std::string> content;
    TreeDataSource* source = nullptr;
    void setText(const std::string& text) override {
        release();
        content = text;
    }
    std::optional<std::string> text() const override { return content; }
    bool setTreeData(TreeDataSource& s) override {
        release();
        source = &s;
        return true;
    }
    void detachTreeSource(TreeDataSource& s) override {
        if (source == &s)
            source = nullptr;
    }
    std::optional<TreeClipboardContent> treeContent() const override {
        if (!source)
            return TreeClipboardContent{};
        return TreeClipboardContent{source->treeData(), source->treeReference()};
    }
    void release() {
        if (TreeDataSource* previous = std::exchange(source, nullptr))
            previous->clipboardReleased();
    }
};

struct NoShell : Shell {
    bool execute(const ShellRequest&) override { return true; }
};

struct NoTrayIcon : TrayIcon {
    bool isAvailable() const override { return false; }
    void showMainWindow() override {}
    void hideMainWindow() override {}
    void minimizeMainWindow() override {}
    void showBalloon(const std::string&, const std::string&, int) override {}
    void setOnClick(std::function<void()>) override {}
    void setOnMinimizeToTray(std::function<void()>) override {}
};

}  // namespace bench_services
