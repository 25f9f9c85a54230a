// An autostart entry that records each change and answers like the real one; `failing` plays an
// autostart folder that cannot be written.
#pragma once

#include "platform/Autostart.h"

#include <string>
#include <vector>

class RecordingAutostart : public Autostart {
public:
    std::vector<std::string> calls; // "enable", "disable"
    bool entry = false;
    bool failing = false;

    bool enabled() const override { return entry; }
    std::string setEnabled(bool on) override {
        calls.push_back(on ? "enable" : "disable");
        if (failing)
            return "The autostart entry could not be written.";
        entry = on;
        return {};
    }
};
