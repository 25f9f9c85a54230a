// The launch commands around the single-item launch: stepping through the outline, the four browse
// sets, the address bar, e-mailing and copying addresses, and the desktop's browser, file manager
// and web search page.
#pragma once

#include "launch/Launcher.h"

#include <cstdint>
#include <string>

// The web search engine's home page and the publisher's web site.
inline constexpr const char* kSearchHomePage = "https://www.google.com/";
inline constexpr const char* kPublisherSite = "https://www.wendelmoor.org/";
// What "Email Items" opens before the body.
inline constexpr const char* kEmailItemsPrefix = "mailto: ?subject= &body=";

// Moves the selection one item forward (backward) in document order, focuses it and launches it
// with BrowseURL. Nothing happens without a focused item or without a selected one; past the end the
// outline is left without a focused item and BrowseURL says so.
void BrowseNext(Launcher& launcher, Outline& outline, int mode);
void BrowsePrevious(Launcher& launcher, Outline& outline, int mode);

// Launches, in document order and in mode 0, every item whose Sets has a bit of mask.
void OpenSet(Launcher& launcher, Outline& outline, std::uint32_t mask);

// Launches, in mode 0, the first item in document order whose Name, without leading and trailing
// blanks and control characters, is the phrase exactly; false when no item has that name.
bool LaunchActivePhrase(Launcher& launcher, Outline& outline, const std::string& phrase);

// "Go" and Enter in the address box: the named item, else by the browser choice the text itself
// in a new browser window (0), nothing (1) or through the desktop's default handler (2).
void AddressBarGo(Launcher& launcher, Outline& outline, const std::string& text, int browserChoice);
// "Google": the web search for the text, in a new browser window (choice 0) or through the
// desktop's default handler (choice 2); nothing with the embedded view (1).
void AddressBarSearch(Launcher& launcher, const std::string& text, int browserChoice);

// The body "Email Items" sends: for each selected item Name, a blank, URL, " ### ", LF, CR.
std::string emailBody(const Outline& outline);
void EmailItems(Launcher& launcher, const Outline& outline);

// Puts the URL of the first selected item on the clipboard; "no selection!" when none is selected.
void CopyURL(Launcher& launcher, const Outline& outline);

// The Service menu and the hint line's image.
void OpenSearchHomePage(Launcher& launcher);
void StartWebBrowser(Launcher& launcher);
void StartFileManager(Launcher& launcher);
void OpenPublisherSite(Launcher& launcher);
