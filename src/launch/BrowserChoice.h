// The program-wide browser choice, the Internet Explorer flag and automatic viewing, with the View
// menu switches that change them. The switches' check marks mirror these values and nothing else.
#pragma once

struct BrowserChoice {
    int choice = 0;                // launch mode of double-click and the address bar: 0, 1 or 2
    bool internetExplorer = false; // "Use MS IE Browser"
    bool automaticViewing = false; // "AutoView In Browser": view the focused item when the focus moves

    bool embeddedChecked() const { return choice == 1; } // "Use Embedded Browser"
    bool internetExplorerChecked() const { return internetExplorer; }
    bool autoViewChecked() const { return automaticViewing; }
};

// "Use Embedded Browser": choice 1, or back to 0 when it was on.
void UseEmbeddedBrowser(BrowserChoice& browser);
// "Use MS IE Browser": flag on and choice 2, or flag off and choice 0 when it was on.
void UseMSIEBrowser(BrowserChoice& browser);
// "AutoView In Browser": toggles automatic viewing; true when it was turned on (the caller then
// runs "Browse Note").
bool AutoView(BrowserChoice& browser);

// The launch mode of "Launch" (F9) and the "Run" button: the choice while the flag is set or the
// choice is not 0, otherwise 2 (the desktop's default handler).
int launchCommandMode(const BrowserChoice& browser);
