// The whole program's start, as a person sees it: program_start PROGRAM starts PROGRAM and prints the
// seconds until its main window ("Wendelmoor") is mapped on the X server named by DISPLAY, then stops
// it. The splash window and other windows are passed over. Exits 1 when no window came within 60 s.
//
// Also: program_start --sample ITEMS FILE writes a sample collection of ITEMS items to FILE.
#include "SampleCollection.h"

#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string windowName(xcb_connection_t* c, xcb_window_t window) {
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

int timeStart(char* program) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("program_start: no X server\n", stderr);
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask[] = {XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, mask);
    xcb_flush(c);

    char* argv[] = {program, nullptr};
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "program_start: cannot start %s\n", program);
        return 1;
    }
    double seconds = -1;
    while (seconds < 0) {
        xcb_generic_event_t* event = xcb_wait_for_event(c);
        if (!event)
            break;
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (windowName(c, map->window) == "Wendelmoor")
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        std::free(event);
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60))
            break;
    }
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    xcb_disconnect(c);
    if (seconds < 0)
        return 1;
    std::printf("%.3f\n", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--sample") == 0) {
        Outline outline;
        buildSampleCollection(outline, std::atoi(argv[2]));
        writeFileSafely(argv[3], writeOutline(outline));
        return 0;
    }
    if (argc != 2) {
        std::fputs("usage: program_start PROGRAM | program_start --sample ITEMS FILE\n", stderr);
        return 2;
    }
    return timeStart(argv[1]);
}
