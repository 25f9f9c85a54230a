// Two other X clients for the end-to-end tests, each running until it is killed:
//   x11_stand_ins tray            a notification area: owns the system tray selection and shows every
//                                 icon docked in it in a 24 x 24 window at the bottom right of the screen
//   x11_stand_ins hold KEYSYM MODS  holds a key combination (a passive grab on the root window, for
//                                 each Caps Lock / Num Lock state), as another program using it would
// Each prints "ready" once it is in place.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const std::string& name) {
    auto* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

void ready() {
    std::puts("ready");
    std::fflush(stdout);
}

int tray(xcb_connection_t* c, xcb_screen_t* screen) {
    const xcb_window_t area = xcb_generate_id(c);
    const std::uint32_t values[] = {screen->white_pixel, 1, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_create_window(
        c, XCB_COPY_FROM_PARENT, area, screen->root, static_cast<std::int16_t>(screen->width_in_pixels - 24),
        static_cast<std::int16_t>(screen->height_in_pixels - 24), 24, 24, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
        screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(c, area);
    const xcb_atom_t selection = atom(c, "_NET_SYSTEM_TRAY_S0");
    const xcb_atom_t opcode = atom(c, "_NET_SYSTEM_TRAY_OPCODE");
    xcb_set_selection_owner(c, area, selection, XCB_CURRENT_TIME);
    // Tells the clients already running that a notification area is there.
    xcb_client_message_event_t manager{};
    manager.response_type = XCB_CLIENT_MESSAGE;
    manager.format = 32;
    manager.window = screen->root;
    manager.type = atom(c, "MANAGER");
    manager.data.data32[0] = XCB_CURRENT_TIME;
    manager.data.data32[1] = selection;
    manager.data.data32[2] = area;
    xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&manager));
    xcb_flush(c);
    ready();
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            if (message->type == opcode && message->data.data32[1] == 0) { // SYSTEM_TRAY_REQUEST_DOCK
                const xcb_window_t icon = message->data.data32[2];
                xcb_reparent_window(c, icon, area, 1, 1);
                const std::uint32_t size[] = {22, 22};
                xcb_configure_window(c, icon, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
                xcb_map_window(c, icon);
                const std::uint32_t top[] = {XCB_STACK_MODE_ABOVE};
                xcb_configure_window(c, area, XCB_CONFIG_WINDOW_STACK_MODE, top);
                xcb_flush(c);
            }
        }
        std::free(event);
    }
    return 0;
}

int hold(xcb_connection_t* c, xcb_screen_t* screen, xcb_keysym_t keySym, std::uint16_t modifiers) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    auto* mapping = xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
    xcb_keycode_t code = 0;
    for (int i = 0; i < xcb_get_keyboard_mapping_keysyms_length(mapping) && code == 0; ++i)
        if (syms[i] == keySym)
            code = static_cast<xcb_keycode_t>(setup->min_keycode + i / mapping->keysyms_per_keycode);
    std::free(mapping);
    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
    for (std::uint16_t lock : locks) {
        xcb_generic_error_t* error =
            xcb_request_check(c, xcb_grab_key_checked(c, 0, screen->root, static_cast<std::uint16_t>(modifiers | lock),
                                                      code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        if (error || code == 0) {
            std::fprintf(stderr, "x11_stand_ins: cannot hold the key\n");
            return 1;
        }
    }
    ready();
    while (xcb_generic_event_t* event = xcb_wait_for_event(c))
        std::free(event);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "x11_stand_ins: no X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (argc == 2 && std::strcmp(argv[1], "tray") == 0)
        return tray(c, screen);
    if (argc == 4 && std::strcmp(argv[1], "hold") == 0)
        return hold(c, screen, static_cast<xcb_keysym_t>(std::strtoul(argv[2], nullptr, 0)),
                    static_cast<std::uint16_t>(std::strtoul(argv[3], nullptr, 0)));
    std::fprintf(stderr, "usage: x11_stand_ins tray | x11_stand_ins hold KEYSYM MODS\n");
    return 2;
}
