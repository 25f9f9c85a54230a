// The main window's platform services as recording fakes, for tests that run the whole window.
#pragma once

#include "app/TForm1.h"

#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingHotKeyService.h"
#include "fakes/RecordingShell.h"
#include "fakes/RecordingTrayIcon.h"
#include "fakes/StoppedClock.h"

struct RecordedWindowServices {
    RecordingDialogs dialogs;
    RecordingHotKeyService hotKeys;
    RecordingClipboard clipboard;
    RecordingShell shell;
    StoppedClock clock;
    RecordingTrayIcon tray;

    TForm1Services services() { return TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray}; }
};
