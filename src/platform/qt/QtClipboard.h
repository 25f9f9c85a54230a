// The system clipboard through QClipboard.
#pragma once

#include "platform/Clipboard.h"

class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
    std::optional<std::string> text() const override;
};
