// The global hot key service: key combinations registered for the whole desktop while the program
// runs, and the texts that name them. Values are hot key values: a virtual-key code in the low
// 8 bits plus the modifier bits Shift 0x2000, Ctrl 0x4000, Alt 0x8000, Win 0x10000.
#pragma once

#include <cstdint>
#include <string>

class HotKeyService {
public:
    // What a refused registration does: start-up registers silently, assigning a key warns.
    enum class WhenTaken { Silent, Warn };

    virtual ~HotKeyService() = default;
    // Registers the combination for the program; answers its identifier, or 0 when refused (the
    // combination is held by another program). With Warn a refusal shows the "is already used"
    // warning to the user.
    virtual int registerHotKey(std::uint32_t value, WhenTaken whenTaken) = 0;
    // Gives a registered combination back; false when it was not registered.
    virtual bool unregisterHotKey(std::uint32_t value) = 0;
    // The name of a key without modifiers, empty for a key without a name.
    virtual std::string keyName(std::uint16_t code) const = 0;
    // The display text of a value, as "Ctrl+Alt+Home".
    virtual std::string text(std::uint32_t value) const = 0;
    // The value a display text names, 0 when the text is not a valid combination.
    virtual std::uint32_t parse(const std::string& text) const = 0;
};
