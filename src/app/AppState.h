// The module-wide values of the program: they live for the run and start from these values at
// every start (nothing is kept between runs except the collection file).
#pragma once

#include "launch/BrowserChoice.h"

struct AppState {
    BrowserChoice browser;            // browser choice, Internet Explorer flag, automatic viewing
    bool propsOnNewItems = true;      // item-creating commands open the properties dialog on the new item
    bool controlKeyHeld = false;      // the Ctrl key is down in one of the trees
    int tipPosition = 0;              // the tip shown last
    int dirItemCounter = 0;           // items the directory browser added
};
