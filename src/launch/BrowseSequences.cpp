#include "BrowseSequences.h"

#include "collection/DisplayText.h"
#include "collection/ItemOperations.h"

#include <string_view>
#include <vector>

namespace {

void open(Launcher& launcher, const std::string& file, const std::string& parameters = {}) {
    launcher.services().shell.execute({"open", file, parameters, {}});
}

// Steps from the first selected item to the item the step function gives, then launches it.
template <class Step> void browseStep(Launcher& launcher, Outline& outline, int mode, Step step) {
    if (!outline.focused())
        return;
    Node* from = outline.firstSelected();
    if (!from)
        return;
    outline.setSelected(from, false);
    Node* to = step(from);
    if (to)
        outline.setSelected(to, true);
    outline.setFocused(to);
    launcher.BrowseURL(outline, mode);
}

bool isBlankOrControl(unsigned char c) {
    return c <= ' ';
}

// A name without leading and trailing blanks and control characters, shown as UTF-8 (as typed text is).
std::string phraseOf(const std::string& name) {
    std::string_view s = name;
    while (!s.empty() && isBlankOrControl(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && isBlankOrControl(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return displayText(s);
}

} // namespace

void BrowseNext(Launcher& launcher, Outline& outline, int mode) {
    browseStep(launcher, outline, mode, [&](Node* from) { return outline.next(from); });
}

void BrowsePrevious(Launcher& launcher, Outline& outline, int mode) {
    browseStep(launcher, outline, mode, [&](Node* from) { return outline.previous(from); });
}

void OpenSet(Launcher& launcher, Outline& outline, std::uint32_t mask) {
    std::vector<Node*> members;
    outline.forEach([&](Node* n) {
        if ((n->data.Sets & mask) != 0)
            members.push_back(n);
    });
    for (Node* n : members)
        launcher.BrowseNodeURL(outline, n, LaunchMode::NewBrowserWindow);
}

bool LaunchActivePhrase(Launcher& launcher, Outline& outline, const std::string& phrase) {
    for (Node* n = outline.first(); n; n = outline.next(n))
        if (phraseOf(n->data.Name) == phrase) {
            launcher.BrowseNodeURL(outline, n, LaunchMode::NewBrowserWindow);
            return true;
        }
    return false;
}

void AddressBarGo(Launcher& launcher, Outline& outline, const std::string& text, int browserChoice) {
    if (text.empty() || LaunchActivePhrase(launcher, outline, text))
        return;
    if (browserChoice == LaunchMode::NewBrowserWindow)
        open(launcher, kBrowserProgram, kBrowserNewWindow + text);
    else if (browserChoice == LaunchMode::ShellDefault)
        open(launcher, text);
}

void AddressBarSearch(Launcher& launcher, const std::string& text, int browserChoice) {
    if (text.empty())
        return;
    if (browserChoice == LaunchMode::NewBrowserWindow)
        open(launcher, kBrowserProgram, kBrowserNewWindow + searchAddress(text));
    else if (browserChoice == LaunchMode::ShellDefault)
        open(launcher, searchAddress(text));
}

std::string emailBody(const Outline& outline) {
    std::string body;
    for (const Node* n : outline.selectedNodes())
        body += n->data.Name + " " + n->data.URL + " ### \n\r";
    return body;
}

void EmailItems(Launcher& launcher, const Outline& outline) {
    open(launcher, kEmailItemsPrefix + emailBody(outline));
}

void CopyURL(Launcher& launcher, const Outline& outline) {
    if (const Node* item = Targets::firstSelectedItem(outline))
        launcher.services().clipboard.setText(item->data.URL);
    else
        launcher.services().dialogs.showMessage(kNoSelection);
}

void OpenSearchHomePage(Launcher& launcher) {
    open(launcher, kSearchHomePage);
}

void StartWebBrowser(Launcher& launcher) {
    open(launcher, "iexplore.exe");
}

void StartFileManager(Launcher& launcher) {
    open(launcher, kFileManagerProgram);
}

void OpenPublisherSite(Launcher& launcher) {
    open(launcher, kPublisherSite);
}
