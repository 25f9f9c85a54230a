// The system clipboard. Plain text here; the outline's own formats are added by the outline's
// clipboard commands.
#pragma once

#include <optional>
#include <string>

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts plain text (stored bytes, shown with the display rule) on the clipboard.
    virtual void setText(const std::string& text) = 0;
    // The clipboard's plain text as UTF-8; nullopt when it holds no text.
    virtual std::optional<std::string> text() const = 0;
};
