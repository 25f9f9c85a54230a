// Open browser windows held in memory: answers with the tabs (and the error) a test gives it and
// counts how often it was asked.
#pragma once

#include "platform/BrowserWindows.h"

class RecordingBrowserWindows : public BrowserWindows {
public:
    OpenBrowserTabs open;
    int asked = 0;

    OpenBrowserTabs openTabs() override {
        ++asked;
        return open;
    }
};
