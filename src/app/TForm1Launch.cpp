// The main window's handlers for launching, browse sequences and sets, the address bar.
#include "app/TForm1.h"

#include "launch/BrowseSequences.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>
#include <utility>

namespace {

std::string text(const QComboBox* box) { return box->currentText().toStdString(); }

// Enter in the address box (AddressComboBoxKeyDown). A filter, not the line edit's returnPressed:
// an editable combo box hands an unused Enter back to its line edit, which would report it twice.
class EnterKey : public QObject {
public:
    EnterKey(QObject* parent, std::function<void()> pressed) : QObject(parent), pressed_(std::move(pressed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                pressed_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> pressed_;
};

} // namespace

void TForm1::setUpAddressBar(QComboBox* box) {
    addressComboBox_ = box;
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->installEventFilter(new EnterKey(box, [this] { RbButton2Click(); }));
}

void TForm1::showBrowserChecks() {
    const std::pair<std::string_view, bool> marks[] = {
        {"UseEmbeddedBrowser1Click", state_.browser.embeddedChecked()},
        {"UseMSIEBrowser1Click", state_.browser.internetExplorerChecked()},
        {"AutoView1Click", state_.browser.autoViewChecked()},
    };
    for (const auto& [handler, checked] : marks)
        if (QAction* action = actionFor(handler))
            action->setChecked(checked);
}

void TForm1::OpenURL(int mode) { launcher_.OpenURL(linksTree_, mode); }

void TForm1::LinksTreeDblClick() {
    if (!std::exchange(state_.controlKeyHeld, false))
        OpenURL(state_.browser.choice);
}

void TForm1::Browse_mp_Click() { OpenURL(launchCommandMode(state_.browser)); }

// "Browse Note" would show the item in the embedded view, which this program does not have.
void TForm1::BrowseIn1_mp_Click() {}

void TForm1::BrowseNext_mpClick() { BrowseNext(launcher_, linksTree_, LaunchMode::NewBrowserWindow); }

void TForm1::BrowseInDefaultBrowser1Click() { OpenURL(LaunchMode::NewBrowserWindow); }

void TForm1::BrowseNextInternaly_mpClick() { BrowseNext(launcher_, linksTree_, LaunchMode::Embedded); }

void TForm1::BrowsePreviousInternaly_mpClick() { BrowsePrevious(launcher_, linksTree_, LaunchMode::Embedded); }

void TForm1::BrowseSet1_mClick() { OpenSet(launcher_, linksTree_, 1); }

void TForm1::BrowseSet2_mClick() { OpenSet(launcher_, linksTree_, 2); }

void TForm1::BrowseSet3_mClick() { OpenSet(launcher_, linksTree_, 4); }

void TForm1::BrowseSet4_mClick() { OpenSet(launcher_, linksTree_, 8); }

void TForm1::CopyURL1Click() { CopyURL(launcher_, linksTree_); }

void TForm1::EmailItems1Click() { EmailItems(launcher_, linksTree_); }

void TForm1::RbButton2Click() { AddressBarGo(launcher_, linksTree_, text(addressComboBox_), state_.browser.choice); }

void TForm1::RbButton16Click() { AddressBarSearch(launcher_, text(addressComboBox_), state_.browser.choice); }

void TForm1::GoogleSearch2Click() { OpenSearchHomePage(launcher_); }

void TForm1::InternetExplorer1Click() { StartWebBrowser(launcher_); }

void TForm1::WindowsExplorer1Click() { StartFileManager(launcher_); }

// "Open All Links" has no behaviour of its own.
void TForm1::OpenAllLinks1Click() {}

void TForm1::Image2Click() { OpenPublisherSite(launcher_); }

void TForm1::UseEmbeddedBrowser1Click() {
    UseEmbeddedBrowser(state_.browser);
    showBrowserChecks();
}

void TForm1::UseMSIEBrowser1Click() {
    UseMSIEBrowser(state_.browser);
    showBrowserChecks();
}

void TForm1::AutoView1Click() {
    if (AutoView(state_.browser))
        BrowseIn1_mp_Click();
    showBrowserChecks();
}

// Hides the window into the notification area; a click on the icon brings it back.
void TForm1::EscapeCommand1Click() { trayCommands_.EscapeCommand(); }
