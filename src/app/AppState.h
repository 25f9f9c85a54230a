// The module-wide values of the program: they live for the run and start from these values at
// every start (nothing is kept between runs except the collection file).
#pragma once

struct AppState {
    int browserChoice = 0;            // 0: new browser windows, 1: embedded, 2: the user's browser directly
    bool automaticViewing = false;    // view the focused item whenever the focus moves
    bool propsOnNewItems = true;      // item-creating commands open the properties dialog on the new item
    bool controlKeyHeld = false;      // the Ctrl key is down in one of the trees
    int tipPosition = 0;              // the tip shown last
    int dirItemCounter = 0;           // items the directory browser added
};
