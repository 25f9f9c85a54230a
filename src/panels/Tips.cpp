#include "Tips.h"

std::string Tips::ShowNextTip() {
    std::string line = "Tip #" + std::to_string(position_ + 1) + ": " + kTips[static_cast<std::size_t>(position_)];
    if (++position_ > static_cast<int>(kTips.size()) - 1)
        position_ = 0;
    return line;
}
