#include "THotKeyManager.h"

#include "launch/HotKeyText.h"
#include "launch/HotKeyValue.h"
#include "launch/VirtualKeyNames.h"
#include "platform/x11/VirtualKeySyms.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <utility>

namespace {

// Frees a reply or an error that xcb allocated.
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using XcbPointer = std::unique_ptr<T, FreeDeleter>;

constexpr std::uint16_t kLockMask = XCB_MOD_MASK_LOCK;

int screenOfApplication(QNativeInterface::QX11Application* x11);

} // namespace

std::unique_ptr<THotKeyManager> THotKeyManager::forApplication() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return nullptr;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skip = screenOfApplication(x11); skip > 0 && screens.rem > 1; --skip)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return nullptr;
    return std::make_unique<THotKeyManager>(connection, screens.data->root);
}

THotKeyManager::THotKeyManager(xcb_connection_t* connection, xcb_window_t root) : connection_(connection), root_(root) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

THotKeyManager::~THotKeyManager() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const auto& [value, registration] : registered_)
        ungrabAllVariants(registration.grab);
}

int THotKeyManager::registerHotKey(std::uint32_t value) {
    if (auto it = registered_.find(value); it != registered_.end())
        return it->second.identifier;
    const std::optional<Grab> grab = grabFor(value);
    if (!grab || !grabAllVariants(*grab))
        return 0;
    const int identifier = internIdentifier(value);
    if (identifier == 0) {
        ungrabAllVariants(*grab);
        return 0;
    }
    registered_[value] = {*grab, identifier};
    return identifier;
}

bool THotKeyManager::unregisterHotKey(std::uint32_t value) {
    auto it = registered_.find(value);
    if (it == registered_.end())
        return false;
    ungrabAllVariants(it->second.grab);
    registered_.erase(it);
    return true;
}

void THotKeyManager::setPressHandler(PressHandler handler) {
    handler_ = std::move(handler);
}

std::string THotKeyManager::keyName(std::uint16_t code) const {
    return std::string(virtualKeyName(code));
}

std::string THotKeyManager::text(std::uint32_t value) const {
    return hotKeyText(value);
}

std::uint32_t THotKeyManager::parse(const std::string& text) const {
    return parseHotKeyText(text);
}

std::optional<THotKeyManager::Grab> THotKeyManager::grabFor(std::uint32_t value) {
    const std::uint32_t keySym = keySymForVirtualKey(hotKeyCode(value));
    if (keySym == 0)
        return std::nullopt;
    readKeyboard();
    const xcb_keycode_t keyCode = keyCodeFor(keySym);
    if (keyCode == 0 ||
        ((value & kHotKeyCtrl) && (value & kHotKeyAlt) && !(value & kHotKeyShift) && isServerKey(keyCode)))
        return std::nullopt;
    std::uint16_t modifiers = 0;
    if (value & kHotKeyShift)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (value & kHotKeyCtrl)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (value & kHotKeyAlt)
        modifiers |= altMask_;
    if (value & kHotKeyWin)
        modifiers |= winMask_;
    return Grab{keyCode, modifiers};
}

std::vector<std::uint16_t> THotKeyManager::lockVariants() const {
    std::vector<std::uint16_t> variants{0, kLockMask};
    if (numLockMask_ != 0) {
        variants.push_back(numLockMask_);
        variants.push_back(static_cast<std::uint16_t>(numLockMask_ | kLockMask));
    }
    return variants;
}

bool THotKeyManager::grabAllVariants(const Grab& grab) {
    // All requests go out first; then each answer is read. Checked requests make the server's refusal
    // (BadAccess when another client holds the combination) come back here instead of as an event.
    const std::vector<std::uint16_t> variants = lockVariants();
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint16_t lock : variants)
        cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, static_cast<std::uint16_t>(grab.modifiers | lock),
                                               grab.keyCode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::vector<std::uint16_t> granted;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        XcbPointer<xcb_generic_error_t> error(xcb_request_check(connection_, cookies[i]));
        if (!error)
            granted.push_back(variants[i]);
    }
    if (granted.size() == variants.size())
        return true;
    ungrab(grab, granted);
    return false;
}

void THotKeyManager::ungrabAllVariants(const Grab& grab) {
    ungrab(grab, lockVariants());
}

void THotKeyManager::ungrab(const Grab& grab, const std::vector<std::uint16_t>& variants) {
    // Waits for the server's answer to the last request: until then another client asking for the
    // combination could still be refused.
    xcb_void_cookie_t last{};
    for (std::uint16_t lock : variants)
        last =
            xcb_ungrab_key_checked(connection_, grab.keyCode, root_, static_cast<std::uint16_t>(grab.modifiers | lock));
    if (!variants.empty())
        std::free(xcb_request_check(connection_, last));
}

void THotKeyManager::readKeyboard() {
    if (keyboardKnown_)
        return;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    minKeyCode_ = setup->min_keycode;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    XcbPointer<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr));
    XcbPointer<xcb_get_modifier_mapping_reply_t> modifiers(
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (!mapping || !modifiers)
        return;
    keySymsPerKeyCode_ = mapping->keysyms_per_keycode;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    keySyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));

    // Which of the modifiers Mod1 to Mod5 carries Alt, the Windows key and Num Lock on this keyboard.
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers.get());
    const int perModifier = modifiers->keycodes_per_modifier;
    auto modifierWith = [&](std::initializer_list<std::uint32_t> wanted, std::uint16_t fallback) -> std::uint16_t {
        for (int modifier = 3; modifier < 8; ++modifier)
            for (int i = 0; i < perModifier; ++i)
                for (std::size_t column = 0; column < keySymsPerKeyCode_; ++column)
                    for (std::uint32_t sym : wanted)
                        if (keySymAt(codes[modifier * perModifier + i], column) == sym)
                            return static_cast<std::uint16_t>(1u << modifier);
        return fallback;
    };
    altMask_ = modifierWith({XK_Alt_L, XK_Alt_R, XK_Meta_L}, XCB_MOD_MASK_1);
    winMask_ = modifierWith({XK_Super_L, XK_Super_R}, XCB_MOD_MASK_4);
    numLockMask_ = modifierWith({XK_Num_Lock}, 0);
    keyboardKnown_ = true;
}

std::uint32_t THotKeyManager::keySymAt(xcb_keycode_t keyCode, std::size_t column) const {
    if (keyCode < minKeyCode_ || column >= keySymsPerKeyCode_)
        return 0;
    const std::size_t at = (keyCode - minKeyCode_) * keySymsPerKeyCode_ + column;
    return at < keySyms_.size() ? keySyms_[at] : 0;
}

xcb_keycode_t THotKeyManager::keyCodeFor(std::uint32_t keySym) const {
    // Column by column, so that a key's own symbol wins over one it gives only at a higher level.
    const std::size_t keys = keySymsPerKeyCode_ == 0 ? 0 : keySyms_.size() / keySymsPerKeyCode_;
    for (std::size_t column = 0; column < keySymsPerKeyCode_; ++column)
        for (std::size_t i = 0; i < keys; ++i)
            if (keySyms_[i * keySymsPerKeyCode_ + column] == keySym)
                return static_cast<xcb_keycode_t>(minKeyCode_ + i);
    return 0;
}

bool THotKeyManager::isServerKey(xcb_keycode_t keyCode) const {
    // The keysyms whose actions the X server carries out itself: switching to a text console,
    // breaking grabs, changing the video mode, logging, ending the server.
    for (std::size_t column = 0; column < keySymsPerKeyCode_; ++column) {
        const std::uint32_t sym = keySymAt(keyCode, column);
        if ((sym >= XF86XK_Switch_VT_1 && sym <= XF86XK_LogGrabInfo) || sym == XK_Terminate_Server)
            return true;
    }
    return false;
}

int THotKeyManager::internIdentifier(std::uint32_t value) {
    const std::string name = "HotKeyManagerHotKey" + std::to_string(value);
    XcbPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? static_cast<int>(reply->atom) : 0;
}

bool THotKeyManager::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    if (type == XCB_MAPPING_NOTIFY) {
        keyboardKnown_ = false;
        return false;
    }
    if (type != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const std::uint16_t held = press->state & (XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | altMask_ | winMask_);
    for (const auto& [value, registration] : registered_) {
        if (registration.grab.keyCode != press->detail || registration.grab.modifiers != held)
            continue;
        // The handler may launch programs and show message boxes: it runs from the event loop, not
        // inside the platform's event dispatch.
        QMetaObject::invokeMethod(
            &context_,
            [this, value = value, identifier = registration.identifier] {
                if (handler_)
                    handler_(value, identifier);
            },
            Qt::QueuedConnection);
        return true;
    }
    return false;
}

// Xlib comes last: its macros (None, Bool, KeyPress, ...) would clash with the names above.
#include <X11/Xlib.h>

namespace {

int screenOfApplication(QNativeInterface::QX11Application* x11) {
    Display* display = x11->display();
    return display ? DefaultScreen(display) : 0;
}

} // namespace
