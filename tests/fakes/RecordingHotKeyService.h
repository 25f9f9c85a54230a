// A hot key service that records each registration and answers like the real one: an identifier
// for each registered combination, 0 for those it is told another program holds, names and texts
// from the key name table.
#pragma once

#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"
#include "platform/Dialogs.h"
#include "platform/HotKeyService.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

class RecordingHotKeyService : public HotKeyService {
public:
    // With dialogs, a refused registration that asks for a warning shows it there.
    explicit RecordingHotKeyService(Dialogs* dialogs = nullptr) : dialogs_(dialogs) {}

    std::vector<std::string> calls;          // "register 0x4074 warn", "register 0x4074 silent", "unregister 0x4074"
    std::set<std::uint32_t> heldElsewhere;   // values another program holds: refused
    bool refuseAll = false;                  // as where no desktop connection exists
    std::map<std::uint32_t, int> registered; // value -> identifier

    int registerHotKey(std::uint32_t value, WhenTaken whenTaken) override {
        calls.push_back("register " + hex(value) + (whenTaken == WhenTaken::Warn ? " warn" : " silent"));
        if (refuseAll || heldElsewhere.count(value) != 0) {
            if (dialogs_ && whenTaken == WhenTaken::Warn)
                dialogs_->showWarning(hotKeyTakenWarning(value));
            return 0;
        }
        auto [it, added] = registered.try_emplace(value, nextIdentifier_);
        if (added)
            ++nextIdentifier_;
        return it->second;
    }
    bool unregisterHotKey(std::uint32_t value) override {
        calls.push_back("unregister " + hex(value));
        return registered.erase(value) != 0;
    }
    std::string keyName(std::uint16_t code) const override { return std::string(virtualKeyName(code)); }
    std::string text(std::uint32_t value) const override { return hotKeyText(value); }
    std::uint32_t parse(const std::string& text) const override { return parseHotKeyText(text); }

    static std::string hex(std::uint32_t value) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
        return buffer;
    }

private:
    Dialogs* dialogs_;
    int nextIdentifier_ = 0xC000;
};
