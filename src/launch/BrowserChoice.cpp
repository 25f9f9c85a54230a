#include "BrowserChoice.h"

#include "launch/Launcher.h"

void UseEmbeddedBrowser(BrowserChoice& browser) {
    browser.choice = browser.embeddedChecked() ? LaunchMode::NewBrowserWindow : LaunchMode::Embedded;
}

void UseMSIEBrowser(BrowserChoice& browser) {
    browser.internetExplorer = !browser.internetExplorerChecked();
    browser.choice = browser.internetExplorer ? LaunchMode::ShellDefault : LaunchMode::NewBrowserWindow;
}

bool AutoView(BrowserChoice& browser) {
    browser.automaticViewing = !browser.autoViewChecked();
    return browser.automaticViewing;
}

int launchCommandMode(const BrowserChoice& browser) {
    return browser.internetExplorer || browser.choice != 0 ? browser.choice : LaunchMode::ShellDefault;
}
