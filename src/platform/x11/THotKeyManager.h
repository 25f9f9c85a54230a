// HotKeyManager1: global hot keys on X11. A combination is a passive key grab on the root window,
// one for each state of the Caps Lock and Num Lock keys, so that the locks do not change what the
// user must press; a press arrives through Qt's native event filter. Virtual-key codes are mapped to
// X keysyms here, at the edge.
#pragma once

#include "platform/HotKeyService.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class THotKeyManager : public HotKeyService, private QAbstractNativeEventFilter {
public:
    // The service over the application's X11 connection; nullptr where there is none (a Wayland-only
    // session, the offscreen platform). Needs the QGuiApplication.
    static std::unique_ptr<THotKeyManager> forApplication();

    // Grabs keys on root through connection, which must be the application's own X11 connection for
    // presses to be seen. Installs itself as a native event filter of the application.
    THotKeyManager(xcb_connection_t* connection, xcb_window_t root);
    // Gives every registered combination back.
    ~THotKeyManager() override;
    THotKeyManager(const THotKeyManager&) = delete;
    THotKeyManager& operator=(const THotKeyManager&) = delete;

    // Grabs every lock-key variant of the combination and waits for the server's answer. When any
    // grab is refused (another client holds the combination: BadAccess) the grabs already made are
    // given back and the answer is 0. Otherwise the combination is stored with its identifier: the X
    // atom named "HotKeyManagerHotKey" followed by the value in decimal. A combination the keyboard
    // cannot type, or one the X server keeps for itself (Ctrl+Alt+F1 to F12 switch consoles), also
    // answers 0.
    int registerHotKey(std::uint32_t value) override;
    bool unregisterHotKey(std::uint32_t value) override;
    void setPressHandler(PressHandler handler) override;
    std::string keyName(std::uint16_t code) const override;
    std::string text(std::uint32_t value) const override;
    std::uint32_t parse(const std::string& text) const override;

private:
    // A combination as the X server sees it: a key code and a modifier mask.
    struct Grab {
        xcb_keycode_t keyCode = 0;
        std::uint16_t modifiers = 0;
        bool operator<(const Grab& other) const {
            return keyCode != other.keyCode ? keyCode < other.keyCode : modifiers < other.modifiers;
        }
    };
    struct Registration {
        Grab grab;
        int identifier = 0;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The X combination of a value; none when the keyboard has no key for it.
    std::optional<Grab> grabFor(std::uint32_t value);
    // The masks the lock keys add to a press; every grab is made once for each.
    std::vector<std::uint16_t> lockVariants() const;
    bool grabAllVariants(const Grab& grab);
    void ungrabAllVariants(const Grab& grab);
    void ungrab(const Grab& grab, const std::vector<std::uint16_t>& variants);
    // Reads the keyboard and modifier mappings when they are not known (again, after a change).
    void readKeyboard();
    // The keysym a key gives in a column of the keyboard mapping (0 for none), and the first key
    // that gives a keysym.
    std::uint32_t keySymAt(xcb_keycode_t keyCode, std::size_t column) const;
    xcb_keycode_t keyCodeFor(std::uint32_t keySym) const;
    // Whether the key, held with Ctrl and Alt, gives a keysym the X server acts on by itself (as
    // Ctrl+Alt+F1 to F12 switch to a text console): such presses never reach any client.
    bool isServerKey(xcb_keycode_t keyCode) const;
    int internIdentifier(std::uint32_t value);

    xcb_connection_t* connection_;
    xcb_window_t root_;
    QObject context_; // presses are handed on from here, after the event filter has returned
    PressHandler handler_;
    std::map<std::uint32_t, Registration> registered_; // by value

    bool keyboardKnown_ = false;
    xcb_keycode_t minKeyCode_ = 0;
    std::size_t keySymsPerKeyCode_ = 0;
    std::vector<std::uint32_t> keySyms_; // keySymsPerKeyCode_ per key code from minKeyCode_
    std::uint16_t altMask_ = XCB_MOD_MASK_1;
    std::uint16_t winMask_ = XCB_MOD_MASK_4;
    std::uint16_t numLockMask_ = XCB_MOD_MASK_2;
};
