// A launcher over a fresh outline, with recording services and a clock stopped at 8 December 2026,
// 01:13:45.
#pragma once

#include "collection/Clock.h"
#include "collection/Outline.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingShell.h"
#include "launch/Launcher.h"

#include <gtest/gtest.h>

struct StoppedClock : Clock {
    std::string time = "01:13:45";
    std::string timeText() const override { return time; }
    std::string dateText() const override { return "08.12.2026"; }
};

struct LaunchFixture : ::testing::Test {
    Outline outline;
    RecordingShell shell;
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    StoppedClock clock;
    Launcher launcher{{shell, clipboard, dialogs, clock}};
};
