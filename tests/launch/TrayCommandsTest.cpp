#include "launch/TrayCommands.h"

#include "fakes/RecordingTrayIcon.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Window = RecordingTrayIcon::Window;

enum class Step { Esc, Click, Minimize };

const char* name(Step step) {
    switch (step) {
    case Step::Esc:
        return "Esc";
    case Step::Click:
        return "click";
    case Step::Minimize:
        return "minimise";
    }
    return "";
}

// The window after each step: however it was hidden, one click brings it back in the normal state and
// the next hides it again; without a notification area it is only ever minimised, never hidden.
TEST(TrayCommands, EveryWayOfHidingIsUndoneByOneClickAndTheNextClickHidesAgain) {
    struct Case {
        const char* what;
        bool notificationArea;
        std::vector<Step> steps;
        std::vector<Window> windows;
        std::vector<bool> flags;
    } cases[] = {
        {"Esc",
         true,
         {Step::Esc, Step::Click, Step::Click},
         {Window::Hidden, Window::Normal, Window::Hidden},
         {true, false, true}},
        {"minimise",
         true,
         {Step::Minimize, Step::Click, Step::Click},
         {Window::Hidden, Window::Normal, Window::Hidden},
         {true, false, true}},
        {"click",
         true,
         {Step::Click, Step::Click, Step::Esc, Step::Click},
         {Window::Hidden, Window::Normal, Window::Hidden, Window::Normal},
         {true, false, true, false}},
        {"no notification area",
         false,
         {Step::Esc, Step::Minimize},
         {Window::Minimized, Window::Minimized},
         {false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingTrayIcon icon;
        icon.available = c.notificationArea;
        TrayCommands commands(icon);
        icon.setOnClick([&] { commands.CoolTrayIcon1Click(); });
        icon.setOnMinimizeToTray([&] { commands.CoolTrayIcon1MinimizeToTray(); });
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE(name(c.steps[i]));
            switch (c.steps[i]) {
            case Step::Esc:
                commands.EscapeCommand();
                break;
            case Step::Click:
                icon.click();
                break;
            case Step::Minimize:
                icon.minimize();
                break;
            }
            EXPECT_EQ(icon.window, c.windows[i]) << "after step " << i;
            EXPECT_EQ(commands.trayFlag(), c.flags[i]) << "after step " << i;
        }
    }
}

} // namespace
