// The main window's handlers for layouts, skins, tips, the timer and help.
#include "app/TForm1.h"

#include "panels/HelpPages.h"
#include "panels/Layouts.h"
#include "panels/SkinFile.h"
#include "platform/TrayIcon.h"
#include "ui/OutlineView.h"
#include "ui/TAboutForm.h"
#include "ui/TLinkPropForm.h"
#include "ui/TRbStyleManager.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

#include <filesystem>

namespace {

// The panels whose gradient end colour follows a loaded skin: the two strip panels, the status
// line, the address and file labels and the title label (the properties dialog's panel is added
// when the skin is loaded).
constexpr const char* kSkinGradientPanels[] = {"RbPanel1", "RbPanel2", "RbPanel3", "AddressPanel", "OpenedFilePanel",
                                               "TitleRbPanel"};
constexpr const char* kOtherPanels[] = {"TipPanel", "Panel4", "TreeToolsPanel", "HintPanel"};

} // namespace

void TForm1::setUpLook() {
    rbStyleManager1_ = new TRbStyleManager(this);
    auto* tabs = findChild<QTabWidget*>("PageControl3");
    tabs->widget(0)->setObjectName("RbPanel2");  // the "Address" strip
    tabs->widget(1)->setObjectName("RbPanel1");  // the "Files/Actions" strip
    tabs->widget(2)->setObjectName("RbPanel4");  // the "Insert" strip
    using Kind = TRbStyleManager::Kind;
    rbStyleManager1_->registerControl(tabs, Kind::ToolStrip);
    for (const char* name : kSkinGradientPanels)
        rbStyleManager1_->registerControl(findChild<QWidget*>(name), Kind::Panel);
    for (const char* name : kOtherPanels)
        rbStyleManager1_->registerControl(findChild<QWidget*>(name), Kind::Panel);
    rbStyleManager1_->registerControl(tabs->widget(2), Kind::Panel);
    for (auto* b : findChildren<QAbstractButton*>())
        if (b->objectName() != "AddressPanel" && b->objectName() != "Image2")
            rbStyleManager1_->registerControl(b, Kind::Button);
    rbSplitter2_ = qobject_cast<QSplitter*>(sidePanel_->parentWidget());
    rbSplitter2_->setObjectName("RbSplitter2");
    linksTreeView_->parentWidget()->setObjectName("Panel1");
    rbStyleManager1_->registerControl(rbSplitter2_, Kind::Splitter);
    rbStyleManager1_->registerControl(findChild<QWidget*>("RightSplitter"), Kind::Splitter);
    rbStyleManager1_->apply();  // the built-in style is the start-up look

    tipLabel_ = findChild<QLabel*>("TipLabel");
    timedActions_ = {[this](const std::string& title, const std::string& text, int seconds) {
                         services_.tray.showBalloon(title, text, seconds);
                     },
                     [this](Node* item) { launcher_.BrowseNodeURL(linksTree_, item, LaunchMode::NewBrowserWindow); }};
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::applyLayout(Layout layout) {
    const LayoutRegions r = regionsFor(layout);
    rbSplitter2_->handle(1)->setVisible(r.splitterShown);
    linksTreeView_->parentWidget()->setVisible(r.centreShown);
    linksTreeView_->setVisible(r.outlineShown);
    if (r.outlineFillsCentre)
        linksTreeView_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TForm1::LoadSkin(int index) {
    const std::string path = programFolder_ + kSkins[index].file;
    if (!std::filesystem::exists(path))
        return;  // a skin that is not installed changes nothing and says nothing
    try {
        rbStyleManager1_->LoadFromFile(path);
    } catch (const SkinFileError& e) {
        services_.dialogs.showError(e.what());
        return;
    }
    std::vector<QWidget*> panels;
    for (const char* name : kSkinGradientPanels)
        panels.push_back(findChild<QWidget*>(name));
    if (QWidget* background = linkPropFormBackground())
        panels.push_back(background);
    for (QWidget* panel : panels)
        rbStyleManager1_->setGradientTo(panel, rbStyleManager1_->style().Colors.DefaultTo);
    rbStyleManager1_->apply();
}

void TForm1::Timer1Timer() {
    timedItems_.fire(services_.clock, timedActions_);
    if (QAction* autoplay = actionFor("AutoplayTips1Click"); autoplay && autoplay->isChecked())
        ShowNextTip1Click();
}

void TForm1::Normal1Click() { applyLayout(Layout::Normal); }
void TForm1::NoteEdit1Click() { applyLayout(Layout::NoteEdit); }
void TForm1::Outliner1Click() { applyLayout(Layout::Outliner); }

void TForm1::Orange1Click() { LoadSkin(0); }
void TForm1::ChromeWhite1Click() { LoadSkin(1); }
void TForm1::VitaminC1Click() { LoadSkin(2); }
void TForm1::WhitePink1Click() { LoadSkin(3); }
void TForm1::PastelBlue1Click() { LoadSkin(4); }
void TForm1::XPColors1Click() { LoadSkin(5); }
void TForm1::PastelGreen1Click() { LoadSkin(6); }
void TForm1::Defaultblue1Click() { LoadSkin(7); }

void TForm1::ShowNextTip1Click() {
    findChild<QWidget*>("TipPanel")->setVisible(true);
    tipLabel_->setText(QString::fromStdString(tips_.ShowNextTip()));
}

// "Autoplay Tips" is a checkable entry: choosing it toggles its check mark, which the timer reads.
void TForm1::AutoplayTips1Click() {}

// No separate tips window is made: "Show Tips" shows the next tip on the tip line.
void TForm1::ShowTips1Click() { ShowNextTip1Click(); }

void TForm1::TarvelinHelp1Click() { TarvelinHelp(services_.shell, programFolder_); }

void TForm1::WelcomeUser_mClick() { WelcomeUser(services_.shell, programFolder_, state_.browser.choice); }

void TForm1::About1Click() {
    if (aboutForm_)
        aboutForm_->exec();
}

// The properties dialog's background panel, or the dialog itself where it has none.
QWidget* TForm1::linkPropFormBackground() const {
    if (!linkPropForm_)
        return nullptr;
    QWidget* background = linkPropForm_->findChild<QWidget*>("RbPanel1");
    return background ? background : linkPropForm_;
}
