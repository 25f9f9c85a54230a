// The global hot key service: key combinations registered for the whole desktop while the program
// runs, the presses of those combinations, and the texts that name them. Values are hot key values: a
// virtual-key code in the low 8 bits plus the modifier bits Shift 0x2000, Ctrl 0x4000, Alt 0x8000,
// Win 0x10000.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class HotKeyService {
public:
    // OnHotKeyPressed: a registered combination was pressed; its value and its identifier.
    using PressHandler = std::function<void(std::uint32_t value, int identifier)>;

    virtual ~HotKeyService() = default;
    // Registers the combination for the program and answers its identifier, or 0 when it is refused:
    // another program holds it, the keyboard has no such key, or the desktop offers no global hot
    // keys. A combination the program holds already answers its identifier again.
    virtual int registerHotKey(std::uint32_t value) = 0;
    // Gives a registered combination back; false when it was not registered.
    virtual bool unregisterHotKey(std::uint32_t value) = 0;
    // Who hears the presses of registered combinations (one listener; an empty handler hears none).
    // Presses arrive on the user-interface thread, between other events.
    virtual void setPressHandler(PressHandler handler) = 0;
    // The name of a key without modifiers, empty for a key without a name.
    virtual std::string keyName(std::uint16_t code) const = 0;
    // The display text of a value, as "Ctrl+Alt+Home".
    virtual std::string text(std::uint32_t value) const = 0;
    // The value a display text names, 0 when the text is not a valid combination.
    virtual std::uint32_t parse(const std::string& text) const = 0;
    // False where the desktop offers no way at all to register global hot keys.
    virtual bool available() const { return true; }
    // There: true only the first time it is asked, so that the user is told that plainly once,
    // instead of hearing for every key that it is taken.
    virtual bool takeUnavailableNotice() { return false; }
};
