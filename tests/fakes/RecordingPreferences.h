// Preferences held in memory, recording each write ("set QuickLauncher/Key Ctrl+Alt+F8"); a test
// may make writing fail.
#pragma once

#include "platform/Preferences.h"

#include <map>
#include <string>
#include <vector>

class RecordingPreferences : public Preferences {
public:
    std::map<std::string, std::string> values;
    std::vector<std::string> calls;
    bool failWrites = false;

    std::string value(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    bool setValue(const std::string& name, const std::string& text) override {
        calls.push_back("set " + name + " " + text);
        if (failWrites)
            return false;
        values[name] = text;
        return true;
    }
};
