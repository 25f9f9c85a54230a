#include "TForm1.h"

#include "app/BackupCommands.h"
#include "app/CommandMap.h"
#include "app/KeySequences.h"
#include "app/TitleBox.h"
#include "collection/ItemOperations.h"
#include "collection/ItemType.h"
#include "editing/FileDrop.h"
#include "launch/HotKeyCommands.h"
#include "panels/StartCollection.h"
#include "platform/HotKeyService.h"
#include "ui/ItemTypeImages.h"
#include "ui/ToolPictures.h"
#include "ui/OutlineModel.h"
#include "ui/QuickLauncherBox.h"
#include "ui/OutlineView.h"
#include "ui/TLinkPropForm.h"
#include "ui/TRbStyleManager.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <limits>
#include <unordered_map>

namespace {

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const std::unordered_map<std::string_view, TForm1::Handler>& handlerTable() {
    static const std::unordered_map<std::string_view, TForm1::Handler> table = {
#define WENDELMOOR_HANDLER_ENTRY(name) {#name, &TForm1::name},
        WENDELMOOR_HANDLERS(WENDELMOOR_HANDLER_ENTRY)
#undef WENDELMOOR_HANDLER_ENTRY
    };
    return table;
}

// A panel of fixed height with a plain background, as the window's strips are.
QWidget* strip(QWidget* parent, int height, const char* name) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    w->setFixedHeight(height);
    return w;
}

// The tool column: handler and a short caption for each 18 x 18 button, top to bottom.
constexpr std::pair<std::string_view, std::string_view> kToolColumn[] = {
    {"Level11Click", "1"},          {"Level21Click", "2"},       {"Right1Click", "\u2192"},
    {"Down1Click", "\u2193"},       {"Left1Click", "\u2190"},    {"Up1Click", "\u2191"},
    {"AllLevels1Click", "*"},       {"PasteLink_mpClick", "P"},  {"Hoist1Click", "H"},
    {"CutLink_mpClick", "X"},       {"CopyLink_mpClick", "C"},   {"DeleteLink_mpClick", "D"},
    {"AddChildLink_mpClick", "+"},  {"AddItemRight1Click", "R"}, {"AddItemLeft1Click", "L"},
    {"InsertLinkBefore_mpClick", "B"},
};

// The tool strip's tabs "Files/Actions" and "Insert": caption and handler of each button.
constexpr std::pair<std::string_view, std::string_view> kActionButtons[] = {
    {"Set 1", "BrowseSet1_mClick"}, {"Set 2", "BrowseSet2_mClick"}, {"Set 3", "BrowseSet3_mClick"},
    {"Set 4", "BrowseSet4_mClick"}, {"Delete", "DeleteLink_mpClick"}, {"Cut", "CutLink_mpClick"},
    {"Copy", "CopyLink_mpClick"},   {"Paste", "PasteLink_mpClick"},   {"Props", "SpeedButton9Click"},
    {"Save", "Save_mp_Click"},      {"Run", "Browse_mp_Click"},       {"New", "AddChildLink_mpClick"},
    {"Undo", "Undo1Click"},         {"Redo", "Redo1Click"},
};
constexpr std::pair<std::string_view, std::string_view> kInsertButtons[] = {
    {"Group", "InsertGroup1Click"},        {"Exe", "InsertApplicationItem1Click"},
    {"Info", "InsertInfoItem1Click"},      {"Folder", "InsertFolder1Click"},
    {"URL", "InsertURL1Click"},            {"Warn", "InsertWarningItem1Click"},
    {"Google", "InsertGoogleSearch1Click"}, {"File", "InsertFile1Click"},
    {"Print", "InsertPrintItem1Click"},    {"Email", "InsertEmailItem1Click"},
};

} // namespace

TForm1::Handler TForm1::handlerNamed(std::string_view name) {
    auto it = handlerTable().find(name);
    return it == handlerTable().end() ? nullptr : it->second;
}

TForm1::TForm1(std::string programFolder, TForm1Services services, QWidget* parent)
    : TForm1(AppFolders::beside(std::move(programFolder)), services, parent) {}

TForm1::TForm1(AppFolders folders, TForm1Services services, QWidget* parent)
    : QMainWindow(parent), folders_(std::move(folders)), services_(services),
      launcher_({services_.shell, services_.clipboard, services_.dialogs, services_.clock}),
      trayCommands_(services_.tray),
      launcherKey_(services_.hotKeys, services_.dialogs, services_.preferences,
                   [this](const std::string& text) { return itemsCarryHotKey(linksTree_, text); }),
      documents_(linksTree_, folders_.data), documentCommands_(documents_, services_.dialogs),
      linksModel_(std::make_unique<OutlineModel>(linksTree_)), marksModel_(std::make_unique<OutlineModel>(marksTree_)),
      dirModel_(std::make_unique<OutlineModel>(dirTree_)) {
    setObjectName("Form1");
    setWindowTitle("Wendelmoor");
    QFont font("Tahoma");
    font.setPixelSize(12);
    setFont(font);
    resize(739, 527);

    buildMenus();
    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildToolStrip());
    column->addWidget(buildTipLine());
    column->addWidget(buildWorkArea(), 1);
    column->addWidget(buildStatusLine());
    column->addWidget(buildHintLine());
    setCentralWidget(client);
    linksTree_.addListener(this);
    documents_.setLock(services_.collectionLock);
    // The busy cursor while a collection is read or written; it is gone before any error shows.
    documents_.setBusyIndicator([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    setUpEditing();
    setUpLook();
    setUpViews();
    setUpSidePanels();
    setUpDesktop();
    setUpQuickLauncher();
    services_.hotKeys.setPressHandler([this](std::uint32_t value, int identifier) {
        HotKeyManager1HotKeyPressed(value, identifier);
    });
    services_.tray.setOnClick([this] { CoolTrayIcon1Click(); });
    services_.tray.setOnMinimizeToTray([this] { CoolTrayIcon1MinimizeToTray(); });
    undo_.setOnChange([this] { showUndoCommands(); });
    showUndoCommands();
}

TForm1::~TForm1() {
    services_.hotKeys.setPressHandler({});
    services_.tray.setOnClick({});
    services_.tray.setOnMinimizeToTray({});
    linksTree_.removeListener(this);
}

// Every command is one undo step, named by its menu caption (undo and redo are none).
void TForm1::bind(QObject* sender, std::string_view handler) {
    Handler h = handlerNamed(handler);
    if (!h)
        return;
    std::string step = undoStepName(handler);
    if (handler == "Undo1Click" || handler == "Redo1Click")
        step.clear();
    else if (step.empty())
        step = "Command";
    if (auto* action = qobject_cast<QAction*>(sender))
        connect(action, &QAction::triggered, this, [this, h, step] { dispatch(h, step); });
    else if (auto* b = qobject_cast<QAbstractButton*>(sender))
        connect(b, &QAbstractButton::clicked, this, [this, h, step] { dispatch(h, step); });
}

void TForm1::buildMenus() {
    const std::vector<std::string> shortcuts = resolvedShortcuts();
    std::map<std::string, QMenu*> menus;
    const auto entries = commandMap();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CommandEntry& e = entries[i];
        const std::string path = entryPath(e);
        QMenu* parentMenu = e.menu.empty() ? nullptr : menus.at(std::string(e.menu));
        if (e.kind == CommandEntry::Separator) {
            parentMenu->addSeparator();
            continue;
        }
        if (e.kind == CommandEntry::Submenu) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(qt(e.caption)) : menuBar()->addMenu(qt(e.caption));
            menu->menuAction()->setVisible(e.visible);
            menus[path] = menu;
            actionsByPath_[path] = menu->menuAction();
            continue;
        }
        // A hidden entry is not shown in its menu, but its shortcut works: Qt ignores the shortcuts of
        // invisible actions, so such an entry stays a visible action that only the window holds.
        auto* action = new QAction(qt(e.caption), this);
        if (e.visible)
            parentMenu->addAction(action);
        action->setProperty("menuEntryVisible", e.visible);
        action->setCheckable(e.checkable);
        action->setShortcuts(keySequencesFor(shortcuts[i]));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        bind(action, e.handler);
        actionsByPath_[path] = action;
        if (!e.handler.empty() && !actionsByHandler_.count(e.handler))
            actionsByHandler_[e.handler] = action;
    }
}

QAction* TForm1::actionFor(std::string_view handler) const {
    auto it = actionsByHandler_.find(handler);
    return it == actionsByHandler_.end() ? nullptr : it->second;
}

QAction* TForm1::actionAt(const std::string& path) const {
    auto it = actionsByPath_.find(path);
    return it == actionsByPath_.end() ? nullptr : it->second;
}

QWidget* TForm1::button(const QString& caption, std::string_view handler, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(qt(handler) + "Button");
    b->setToolTip(toolTipFor(handler, caption));
    bind(b, handler);
    return b;
}

QWidget* TForm1::buildToolStrip() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("PageControl3");
    tabs->setFixedHeight(71);

    // The address box under its hint, between the "Address" label and the "Go" and "Google" buttons.
    auto* address = new QWidget(tabs);
    auto* grid = new QGridLayout(address);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    auto* addressLabel = new QPushButton("Address", address);
    addressLabel->setObjectName("AddressPanel");
    addressLabel->setFlat(true);
    bind(addressLabel, "TitleRbPanelClick");
    auto* addressBox = new QComboBox(address);
    addressBox->setObjectName("AddressComboBox");
    addressBox->setEditable(true);
    addressBox->setMinimumWidth(300);
    setUpAddressBar(addressBox);
    auto* hint = new QLabel("Please enter Action name or URL to browse here...", address);
    grid->addWidget(hint, 0, 1);
    grid->addWidget(addressLabel, 1, 0);
    grid->addWidget(addressBox, 1, 1);
    grid->addWidget(button("Go", "RbButton2Click", address), 1, 2);
    grid->addWidget(button("Google", "RbButton16Click", address), 1, 3);
    grid->setColumnStretch(1, 1);
    tabs->addTab(address, "Address");

    auto addButtons = [this, tabs](const auto& table, const char* title) {
        auto* page = new QWidget(tabs);
        auto* buttons = new QHBoxLayout(page);
        buttons->setContentsMargins(4, 2, 4, 2);
        for (const auto& [caption, handler] : table)
            buttons->addWidget(button(qt(caption), handler, page));
        buttons->addStretch(1);
        tabs->addTab(page, title);
        return page;
    };
    QWidget* actions = addButtons(kActionButtons, "Files/Actions");
    actions->findChild<QWidget*>("AddChildLink_mpClickButton")->hide();  // the "New" button is hidden
    addButtons(kInsertButtons, "Insert");
    return tabs;
}

QWidget* TForm1::buildTipLine() {
    auto* tip = strip(this, 32, "TipPanel");
    auto* row = new QHBoxLayout(tip);
    row->setContentsMargins(4, 0, 4, 0);
    auto* image = new QLabel(tip);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
    auto* text = new QLabel("Tips will be placed here to make you familiar with our product...", tip);
    text->setObjectName("TipLabel");
    row->addWidget(image);
    row->addWidget(text, 1);
    return tip;
}

QWidget* TForm1::buildWorkArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* splitter = new QSplitter(Qt::Horizontal, area);
    splitter->addWidget(buildSidePanel());
    splitter->addWidget(buildCentre());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({185, 554});
    row->addWidget(splitter, 1);
    // The right-hand strip: a 5-pixel splitter edge with nothing beyond it.
    auto* edge = new QWidget(area);
    edge->setObjectName("RightSplitter");
    edge->setFixedWidth(5);
    edge->setCursor(Qt::SplitHCursor);
    row->addWidget(edge);
    return area;
}

QWidget* TForm1::buildSidePanel() {
    sidePanel_ = new QTabWidget(this);
    sidePanel_->setObjectName("PageControl1");
    dirTreeView_ = new OutlineView(*dirModel_, sidePanel_);
    dirTreeView_->setObjectName("DirTree");
    dirTreeView_->configureAsSideTree(210);
    dirTreeView_->header()->hide();
    marksTreeView_ = new OutlineView(*marksModel_, sidePanel_);
    marksTreeView_->setObjectName("MarksTree");
    marksTreeView_->configureAsSideTree(172);
    marksModel_->setHeaderImage(OutlineModel::NameColumn, ItemTypeImages::icon(ItemType::Url));
    sidePanel_->addTab(dirTreeView_, "Files");
    sidePanel_->addTab(marksTreeView_, "Tags");
    sidePanel_->setTabVisible(0, false);  // the "Files" tab button is hidden: the panel shows "Tags"
    sidePanel_->setCurrentIndex(1);
    return sidePanel_;
}

QWidget* TForm1::buildCentre() {
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTitleRow());
    column->addWidget(buildFindBar(centre));
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(buildToolColumn());
    linksTreeView_ = new OutlineView(*linksModel_, centre);
    linksTreeView_->setObjectName("LinksTree");
    linksTreeView_->configureAsLinksTree();
    linksTreeView_->header()->hide();
    row->addWidget(linksTreeView_, 1);
    column->addLayout(row, 1);
    return centre;
}

QWidget* TForm1::buildTitleRow() {
    titleRow_ = strip(this, 27, "Panel4");
    titleLabel_ = new QLabel("Title", titleRow_);
    titleLabel_->setObjectName("TitleRbPanel");
    titleLabel_->setGeometry(0, 0, 40, 27);
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->installEventFilter(this);
    titleEdit_ = new QComboBox(titleRow_);
    titleEdit_->setObjectName("TitleEdit");
    titleEdit_->setEditable(true);
    titleEdit_->lineEdit()->setMaxLength(std::numeric_limits<int>::max());  // a name of any length survives
    titleEdit_->setInsertPolicy(QComboBox::NoInsert);
    titleEdit_->addItems({"[Note]", "{Comment}"});
    titleEdit_->setCurrentIndex(-1);
    titleRow_->installEventFilter(this);
    return titleRow_;
}

QWidget* TForm1::buildToolColumn() {
    auto* column = new QWidget(this);
    column->setObjectName("TreeToolsPanel");
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(1, 1, 1, 1);
    buttons->setSpacing(1);
    for (const auto& [handler, caption] : kToolColumn) {
        auto* b = new QToolButton(column);
        b->setObjectName(qt(handler) + "Tool");
        b->setIcon(toolPicture(handler));
        b->setText(qt(caption));  // read by screen readers; the picture is shown
        b->setToolTip(toolTipFor(handler, qt(caption)));
        b->setFixedSize(18, 18);
        bind(b, handler);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    return column;
}

QWidget* TForm1::buildStatusLine() {
    auto* status = strip(this, 19, "RbPanel3");
    auto* row = new QHBoxLayout(status);
    row->setContentsMargins(2, 0, 2, 0);
    openedFilePanel_ = new QLabel(status);
    openedFilePanel_->setObjectName("OpenedFilePanel");
    row->addWidget(openedFilePanel_, 1);
    saveStatePanel_ = new QLabel(status);
    saveStatePanel_->setObjectName("SaveStatePanel");
    row->addWidget(saveStatePanel_);
    return status;
}

QWidget* TForm1::buildHintLine() {
    auto* hintLine = strip(this, 28, "HintPanel");
    auto* row = new QHBoxLayout(hintLine);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(new QLabel("Welcome to Wendelmoor!", hintLine), 1);
    auto* image = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QString(), hintLine);
    image->setObjectName("Image2");
    image->setFlat(true);
    bind(image, "Image2Click");
    row->addWidget(image);
    return hintLine;
}

void TForm1::FormCreate() {
    setAcceptDrops(true);                                  // 1. files dropped from the desktop
    setWindowState(windowState() | Qt::WindowMaximized);   // 2.
    // 3. and 10.: the run-time shortcuts are part of the command map and were given with the menus.
    linksTree_.setRootCount(1);                            // 5. one empty Group item
    marksTree_.setRootCount(0);
    dirTree_.setRootCount(0);
    linksTreeView_->header()->show();                      // 6.
    dirTreeView_->header()->show();
    FillDir();                                             // 7.
    FillDriveMenu();                                       // 12. before the load: a start collection
                                                           //     still being read has longer to finish
    documentCommands_.loadStartCollection();               // 8.
    showOpenedFile();
    GetBookmarks1Click();                                  // 9.
    state_.dirItemCounter = 0;                             // 13.
    PrepareStartCollection(linksTree_, services_.hotKeys, timedItems_);  // 11. and 14. in one walk
    launcherKey_.start();                                  //     and the quick launcher's key
    // The timer ticks from here on: a tick while a start-up message box was open would fire items
    // whose fired flags are then cleared, and they would fire twice.
    timer1_->start();
    undo_.clear();  // the start collection opens with an empty undo history
    autoSaveTimer_->start();
    AutoSaveTimer();
    if (const Node* item = TitleBox::startItem(linksTree_)) // 15.
        titleEdit_->setEditText(QString::fromStdString(TitleBox::textFor(item)));
    Panel4Resize();                                        // 16.
    if (QAction* autoplay = actionFor("AutoplayTips1Click")) // 17.
        autoplay->setChecked(true);
}

void TForm1::HotKeyManager1HotKeyPressed(std::uint32_t value, int /*identifier*/) {
    if (launcherKey_.isLauncherPress(value))
        return showQuickLauncher();
    ::HotKeyManager1HotKeyPressed(launcher_, linksTree_, services_.hotKeys, value);
}

void TForm1::CoolTrayIcon1Click() { trayCommands_.CoolTrayIcon1Click(); }

void TForm1::CoolTrayIcon1MinimizeToTray() { trayCommands_.CoolTrayIcon1MinimizeToTray(); }

void TForm1::showOpenedFile() { openedFilePanel_->setText(QString::fromStdString(documents_.statusText())); }

void TForm1::focusChanged(Node* previous, Node* current) {
    if (previous && !undo_.applying())
        storeTitle(previous);
    if (!current)
        return;
    titleEdit_->setEditText(QString::fromStdString(TitleBox::textFor(current)));
    if (state_.browser.automaticViewing)
        BrowseIn1_mp_Click();  // "Browse Note": views the focused item
}

void TForm1::Panel4Resize() {
    const int labelWidth = titleLabel_->width();
    titleEdit_->setGeometry(labelWidth + 1, titleLabel_->y(), titleRow_->width() - labelWidth - 1,
                            titleLabel_->height());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titleRow_ && event->type() == QEvent::Resize)
        Panel4Resize();
    if (watched == titleLabel_ && event->type() == QEvent::MouseButtonRelease)
        TitleRbPanelClick();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (documentCommands_.FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::saveForShutdown() { return documentCommands_.FormClose(); }

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    filesDropped(paths);
    event->acceptProposedAction();
}

void TForm1::filesDropped(const std::vector<std::string>& paths) {
    UndoStepScope step(undo_, "Drop Files");
    FilesDropped(linksTree_, paths);
}

void TForm1::setLinkPropForm(TLinkPropForm* form) {
    linkPropForm_ = form;
    form->setUndoHistory(&undo_);
    rbStyleManager1_->registerControl(linkPropFormBackground(), TRbStyleManager::Kind::Panel);
    // A name stored for the focused item goes into the title box too, or the next focus move would
    // give the item its old name back.
    connect(form, &TLinkPropForm::nameStored, this, [this](Node* item) {
        if (item == linksTree_.focused())
            titleEdit_->setEditText(QString::fromStdString(TitleBox::textFor(item)));
    });
}

void TForm1::LinkProps(Node* item) {
    if (linkPropForm_ && item)
        linkPropForm_->LinkProps(item);
}

// ---- handlers ----

void TForm1::Open2Click() {
    documentCommands_.Open2Click();
    showOpenedFile();
}

void TForm1::Save_mp_Click() {
    documentCommands_.Save_mp_Click();
    showOpenedFile();
}

void TForm1::RestoreBackup1Click() {
    const std::vector<BackupEntry> backups = backupEntries(documents_.currentPath());
    if (backups.empty()) {
        services_.dialogs.showMessage(kNoBackups);
        return;
    }
    QStringList rows;
    for (const BackupEntry& backup : backups)
        rows << QString::fromStdString(backup.caption);
    if (const std::optional<int> chosen = askBackup_(rows))
        RestoreBackup(linksTree_, backups[static_cast<std::size_t>(*chosen)].path, services_.dialogs);
}

void TForm1::SaveAs_mp_Click() {
    documentCommands_.SaveAs_mp_Click();
    showOpenedFile();
}

void TForm1::Exit_mpClick() { close(); }

void TForm1::Props_mpClick() {
    if (Node* item = Targets::firstSelectedItem(linksTree_))
        LinkProps(item);
    else
        services_.dialogs.showMessage(kNoSelection);
}

void TForm1::SpeedButton9Click() { Props_mpClick(); }

void TForm1::TitleRbPanelClick() { storeTitle(linksTree_.focused()); }
