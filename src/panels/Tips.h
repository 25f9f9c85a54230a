// The tip line's five texts and the one position that manual and autoplayed tips advance together.
#pragma once

#include <array>
#include <string>

inline constexpr std::array<const char*, 5> kTips = {
    "Click once on TipsPanel to make it disappear. Press {Ctrl+F1} to show next tip...",
    "To stop tips autoplaying uncheck {Help->Autoplay Tips} menu point...",
    "To launch Google Search Engine use {Service->Google Search} command or just {Ctrl+Shift+Alt+G}...",
    "Launch MS Internet Explorer browser by {Service->Internet Explorer} command or just {Ctrl+Shift+Alt+I}...",
    "Launch MS Windows Explorer by {Service->Windows Explorer} command or just {Ctrl+Shift+Alt+E}...",
};

class Tips {
public:
    // The line for the tip at the position ("Tip #3: ..."), then the position moves on, wrapping to 0.
    std::string ShowNextTip();
    int position() const { return position_; }

private:
    int position_ = 0;
};
