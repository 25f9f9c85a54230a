// A hot key service that records each registration and answers like the real one: an identifier for
// each registered combination (the same one again for a repeat), 0 for those another program holds,
// names and texts from the key name table. press() plays the desktop: only registered combinations
// reach the press handler.
#pragma once

#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"
#include "platform/HotKeyService.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class RecordingHotKeyService : public HotKeyService {
public:
    std::vector<std::string> calls;          // "register 0x4074", "unregister 0x4074"
    std::set<std::uint32_t> heldElsewhere;   // values another program holds: refused
    bool refuseAll = false;                  // as where no desktop connection exists
    std::map<std::uint32_t, int> registered; // value -> identifier

    int registerHotKey(std::uint32_t value) override {
        calls.push_back("register " + hex(value));
        if (refuseAll || heldElsewhere.count(value) != 0)
            return 0;
        auto [it, added] = registered.try_emplace(value, nextIdentifier_);
        if (added)
            ++nextIdentifier_;
        return it->second;
    }
    bool unregisterHotKey(std::uint32_t value) override {
        calls.push_back("unregister " + hex(value));
        return registered.erase(value) != 0;
    }
    void setPressHandler(PressHandler handler) override { handler_ = std::move(handler); }
    std::string keyName(std::uint16_t code) const override { return std::string(virtualKeyName(code)); }
    std::string text(std::uint32_t value) const override { return hotKeyText(value); }
    std::uint32_t parse(const std::string& text) const override { return parseHotKeyText(text); }

    // The user presses a combination anywhere on the desktop.
    void press(std::uint32_t value) {
        auto it = registered.find(value);
        if (it != registered.end() && handler_)
            handler_(value, it->second);
    }
    bool hasPressHandler() const { return static_cast<bool>(handler_); }

    static std::string hex(std::uint32_t value) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
        return buffer;
    }

private:
    PressHandler handler_;
    int nextIdentifier_ = 0xC000;
};
