// The hot key service where the desktop offers no global hot keys (no X11 connection: a Wayland-only
// session, the offscreen platform): every registration is refused quietly and nothing is ever
// pressed; key names and texts still come from the program's own table.
#pragma once

#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"
#include "platform/HotKeyService.h"

#include <utility>

class UnavailableHotKeyService : public HotKeyService {
public:
    int registerHotKey(std::uint32_t) override { return 0; }
    bool unregisterHotKey(std::uint32_t) override { return false; }
    void setPressHandler(PressHandler) override {}
    std::string keyName(std::uint16_t code) const override { return std::string(virtualKeyName(code)); }
    std::string text(std::uint32_t value) const override { return hotKeyText(value); }
    std::uint32_t parse(const std::string& text) const override { return parseHotKeyText(text); }
    bool available() const override { return false; }
    bool takeUnavailableNotice() override { return !std::exchange(noticeTaken_, true); }

private:
    bool noticeTaken_ = false;
};
