// A clipboard held in memory that records what was put on it.
#pragma once

#include "platform/Clipboard.h"

#include <vector>

class RecordingClipboard : public Clipboard {
public:
    std::optional<std::string> content;
    std::vector<std::string> calls;  // "setText <text>"

    void setText(const std::string& text) override {
        calls.push_back("setText " + text);
        content = text;
    }
    std::optional<std::string> text() const override { return content; }
};
