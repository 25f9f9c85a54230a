// One key the properties dialog offers for a hot key: an entry of its key list carries one.
#pragma once

#include <cstdint>

class TPotentialKey {
public:
    explicit TPotentialKey(std::uint16_t code) : code_(code) {}
    std::uint16_t code() const { return code_; }

private:
    std::uint16_t code_;
};
