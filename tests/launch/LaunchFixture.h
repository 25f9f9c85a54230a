// A launcher over a fresh outline, with recording services and a stopped clock.
#pragma once

#include "collection/Clock.h"
#include "collection/Outline.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingShell.h"
#include "fakes/StoppedClock.h"
#include "launch/Launcher.h"

#include <gtest/gtest.h>

struct LaunchFixture : ::testing::Test {
    Outline outline;
    RecordingShell shell;
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    StoppedClock clock;
    Launcher launcher{{shell, clipboard, dialogs, clock}};
};
