// The main window: its regions, the menus built from the command map, and the event handlers. Each
// handler is one or two lines that call the module owning the command.
#pragma once

#include "app/AppState.h"
#include "app/DocumentCommands.h"
#include "app/Handlers.h"
#include "collection/AutoSave.h"
#include "collection/Documents.h"
#include "collection/Outline.h"
#include "collection/UndoHistory.h"
#include "exchange/BookmarkFile.h"
#include "editing/EditingHost.h"
#include "editing/Navigation.h"
#include "editing/OutlineClipboard.h"
#include "find/Finder.h"
#include "launch/Launcher.h"
#include "launch/QuickLauncherKey.h"
#include "launch/TrayCommands.h"
#include "panels/Layouts.h"
#include "panels/TimedActions.h"
#include "panels/Tips.h"
#include "panels/DriveMenu.h"
#include "panels/TagsPanel.h"
#include "panels/NoteEditor.h"
#include "platform/Autostart.h"
#include "platform/BackgroundWork.h"
#include "platform/BrowserWindows.h"
#include "platform/Dialogs.h"
#include "platform/Preferences.h"
#include "platform/UrlCache.h"
#include "platform/xdg/AppFolders.h"
#include "ui/OutlineDragDrop.h"
#include "ui/OutlineKeys.h"

#include <QInputDialog>
#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class OutlineModel;
struct BookmarkImportChoice;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class OutlineView;
class QWidget;

class Clipboard;
class HotKeyService;
class TLinkPropForm;
class TrayIcon;
class QSplitter;
class QTimer;
class FindBar;
class QuickLauncherBox;
class TAboutForm;
class TRbStyleManager;

// The platform services the window works through.
struct TForm1Services {
    Dialogs& dialogs;
    HotKeyService& hotKeys;
    Clipboard& clipboard;
    Shell& shell;
    const Clock& clock;
    TrayIcon& tray;
    // Where "Add Active Links" finds the open browser windows and "Delete Temporary Internet Files"
    // the web caches; a window given none finds no window and no cache entry.
    BrowserWindows& browserWindows = BrowserWindows::none();
    UrlCache& urlCache = UrlCache::none();
    // "Start With the Desktop" writes and removes this entry; the lock keeps other programs off the
    // collections this window holds (none: nothing is locked).
    Autostart& autostart = Autostart::none();
    CollectionLock* collectionLock = nullptr;
    // Where the quick launcher's key is kept; a window given none keeps it for the run only.
    Preferences& preferences = Preferences::none();
    // Where imports and exports read and write; by default on the window's thread, never cancelled.
    BackgroundWork& backgroundWork = BackgroundWork::onThisThread();
};

class TForm1 : public QMainWindow, private OutlineListener {
    Q_OBJECT
public:
    using Handler = void (TForm1::*)();

    // The skins and help pages come from folders.resources, the collections live in folders.data.
    TForm1(AppFolders folders, TForm1Services services, QWidget* parent = nullptr);
    // Everything in one program folder.
    TForm1(std::string programFolder, TForm1Services services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation handler: sets the window up and reads the start collection, in its fixed order.
    void FormCreate();

    // The handler a command map entry or button names; nullptr for an unknown name.
    static Handler handlerNamed(std::string_view name);
    // The menu action bound to a handler (the first in menu order), or nullptr.
    QAction* actionFor(std::string_view handler) const;
    // The menu action at a menu path such as "Item/Show Levels/Level 1", or nullptr.
    QAction* actionAt(const std::string& path) const;

    Outline& LinksTree() { return linksTree_; }
    Outline& MarksTree() { return marksTree_; }
    Outline& DirTree() { return dirTree_; }
    UndoHistory& undoHistory() { return undo_; }
    Documents& documents() { return documents_; }
    AppState& state() { return state_; }
    QComboBox* TitleEdit() const { return titleEdit_; }
    QLabel* OpenedFilePanel() const { return openedFilePanel_; }
    OutlineView* linksTreeView() const { return linksTreeView_; }
    OutlineView* marksTreeView() const { return marksTreeView_; }
    OutlineView* dirTreeView() const { return dirTreeView_; }

    // The side panels (TForm1Tags.cpp). The drives the drive menu lists: the mounted file systems
    // unless others are given before FormCreate.
    void setDrives(const Drives& drives) { drives_ = &drives; }
    const MenuEntry& driveMenu() const { return driveMenu_; }
    const TagSort& tagSort() const { return tagSort_; }
    void GetLetterBookmarks(char letter);
    void MarksTreeDblClick();
    void MarksTreeHeaderClick(int column);
    void DirTreeDblClick();
    // Opening a drive or folder entry whose submenu is `menu`, and choosing a file entry.
    void PopuplateDirectory(QMenu* menu, MenuEntry& entry);
    void OpenFile(const MenuEntry& entry);

    // The properties dialog, created after the window and shown by LinkProps.
    void setLinkPropForm(TLinkPropForm* form);

    // Layouts, skins, tips and the timer (TForm1Panels.cpp): the about box made after the window,
    // the skin of an index of the skin table, and the 2000 ms timer's action.
    void setAboutForm(TAboutForm* form) { aboutForm_ = form; }
    void LoadSkin(int index);
    void Timer1Timer();
    // Saving as the user works: a frequent tick starts the automatic saves that are due and shows
    // in the status line whether every change is saved.
    void AutoSaveTimer();
    QLabel* SaveStatePanel() const { return saveStatePanel_; }
    TRbStyleManager* RbStyleManager1() const { return rbStyleManager1_; }
    QTimer* Timer1() const { return timer1_; }
    QLabel* TipPanel2() const { return tipLabel_; }
    // Fills the properties dialog from the item and shows it.
    void LinkProps(Node* item);

    // Files dropped on the window outside the outline become items under the focused item.
    void filesDropped(const std::vector<std::string>& paths);
    // The question "Restore Backup…" asks: which of the rows (newest first); nullopt when cancelled.
    // A list dialog unless another is given.
    using BackupQuestion = std::function<std::optional<int>(const QStringList& rows)>;
    void setBackupQuestion(BackupQuestion question) { askBackup_ = std::move(question); }
    // Adds a bookmarks file read by the command line's "--import" as a new top-level group
    // (TForm1Exchange.cpp); the duplicate rule applies.
    void importBookmarkFile(const std::string& path, BookmarkFileContent content);
    // An import a second start handed over: the file is read here, its errors shown in a message.
    void importBookmarkPath(const std::string& path);

    // Saves the collection when the desktop session ends or the program is told to stop; false when
    // the save failed (the error has been shown).
    bool saveForShutdown();

#define WENDELMOOR_DECLARE_HANDLER(name) void name();
    WENDELMOOR_HANDLERS(WENDELMOOR_DECLARE_HANDLER)
#undef WENDELMOOR_DECLARE_HANDLER

    void Panel4Resize();

    // Launching (TForm1Launch.cpp): every selected item in a launch mode, as Enter in the outline
    // does with mode 0; the outline's double-click, which launches with the browser choice unless
    // the Ctrl key was down; the launcher the hot keys and the timer go through.
    void OpenURL(int mode);
    void LinksTreeDblClick();

    // The keys and mouse buttons of the trees (TForm1Views.cpp): the outline's own keys, which answer
    // whether they used the key; a key released in any tree; a mouse button pressed in any tree.
    bool LinksTreeKeyDown(const QKeyEvent& key);
    void LinksTreeKeyUp();
    void LinksTreeMouseDown(Qt::MouseButton button);
    Launcher& launcher() { return launcher_; }
    // The formatting command layer behind the "Format" menu (TForm1Format.cpp); it has no command
    // target unless one is given.
    NoteEditor& noteEditor() { return noteEditor_; }
    QComboBox* AddressComboBox() const { return addressComboBox_; }

    // Global hot keys and the notification-area icon: the hot key service's OnHotKeyPressed, and the
    // icon's click and minimise-to-tray events. The tray flag says the window is hidden in the
    // notification area.
    void HotKeyManager1HotKeyPressed(std::uint32_t value, int identifier);
    void CoolTrayIcon1Click();
    void CoolTrayIcon1MinimizeToTray();
    bool trayFlag() const { return trayCommands_.trayFlag(); }

    // The desktop's side (TForm1Desktop.cpp): starting hidden in the notification area, and the
    // requests a second start hands over ("show", "open PATH"); unknown verbs are ignored.
    void startHidden();
    // The collection the creation handler reads instead of the data folder's "links.goto".
    void setStartCollection(const std::string& path) { documentCommands_.setStartCollection(path); }
    // The start collection being read meanwhile: FormCreate takes it in when it read that file.
    void setStartPreload(CollectionPreload* preload) { documents_.offerPreload(preload); }
    void HandOverRequest(std::string_view verb, const std::string& argument);
    // The find bar and the quick launcher (TForm1Find.cpp). The question "Quick Launcher Key…" asks
    // is a dialog unless another is given; it answers the text given, nullopt when cancelled.
    using KeyQuestion = std::function<std::optional<std::string>(const std::string& current)>;
    void setQuickLauncherKeyQuestion(KeyQuestion question) { askLauncherKey_ = std::move(question); }
    FindBar* findBar() const { return findBar_; }
    QuickLauncherBox* quickLauncher() const { return quickLauncher_.get(); }
    const QuickLauncherKey& quickLauncherKey() const { return launcherKey_; }
    Finder& finder() { return finder_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(Node* previous, Node* current) override;

    // The address box reacts to Enter and keeps no history; the View menu's browser switches show
    // the browser choice.
    void setUpAddressBar(QComboBox* box);
    void showBrowserChecks();

    // The editing commands' share of the window (TForm1Editing.cpp): what they ask of it, the outline's
    // clipboard, and the drops on the three trees.
    void setUpEditing();
    // The skinned controls, the tip line and the timer (TForm1Panels.cpp).
    void setUpLook();
    void applyLayout(Layout layout);
    QWidget* linkPropFormBackground() const;
    Qt::DropAction LinksTreeDragDrop(OutlineView& receiver, const OutlineDragDrop::Drop& drop);
    // The check mark of "Start With the Desktop", read again whenever the Service menu opens.
    void setUpDesktop();
    // The trees' key and mouse handlers (TForm1Views.cpp).
    void setUpViews();
    // The find bar over the outline, the quick launcher box and its key (TForm1Find.cpp).
    QWidget* buildFindBar(QWidget* parent);
    void setUpQuickLauncher();
    void showFoundItem(Node* item);
    void showQuickLauncher();

    // Undo and redo (TForm1Undo.cpp): a handler run as one undo step, the title box stored as one,
    // what an undone or redone step leaves to show, and the captions of the two commands.
    void dispatch(Handler handler, const std::string& stepName);
    void storeTitle(Node* item);
    void showUndone(const UndoOutcome& outcome);
    void showUndoCommands();

    void importBookmarkChoice(const BookmarkImportChoice& choice);

    void buildMenus();
    QWidget* buildToolStrip();
    QWidget* buildTipLine();
    QWidget* buildWorkArea();
    QWidget* buildSidePanel();
    QWidget* buildCentre();
    QWidget* buildTitleRow();
    QWidget* buildToolColumn();
    QWidget* buildStatusLine();
    QWidget* buildHintLine();
    QWidget* button(const QString& caption, std::string_view handler, QWidget* parent);
    // "Caption (Key)" of the menu command a button runs; the button's caption where no menu has it.
    QString toolTipFor(std::string_view handler, const QString& caption) const;
    void bind(QObject* sender, std::string_view handler);
    void showOpenedFile();

    // The side panels' steps of the creation handler, their views' settings and the drive menu's
    // mirror in Qt menus (TForm1Tags.cpp).
    void FillDir();
    void FillDriveMenu();
    void setUpSidePanels();
    void showTagSort();
    void mirrorDriveMenu(QMenu* menu, MenuEntry& entry);

    AppFolders folders_;
    TForm1Services services_;
    Launcher launcher_;
    NoteEditor noteEditor_;
    TrayCommands trayCommands_;
    AppState state_;
    Outline linksTree_{true};
    Outline marksTree_{true};
    Outline dirTree_{true};
    UndoHistory undo_{linksTree_};
    // Made before the outline's view, so that it expands around a newly focused item before the
    // view scrolls to it.
    ExpandOnFocus linksExpandOnFocus_{linksTree_};
    Finder finder_{linksTree_};
    QuickLauncherKey launcherKey_;
    KeyQuestion askLauncherKey_;
    Documents documents_;
    AutoSave autoSave_{linksTree_, documents_};
    DocumentCommands documentCommands_;
    std::unique_ptr<OutlineModel> linksModel_, marksModel_, dirModel_;
    EditingHost editingHost_;
    std::unique_ptr<OutlineClipboard> linksClipboard_;
    OutlineKeyActions linksKeys_;

    std::map<std::string, QAction*> actionsByPath_;
    std::map<std::string_view, QAction*> actionsByHandler_;
    OutlineView* linksTreeView_ = nullptr;
    OutlineView* marksTreeView_ = nullptr;
    OutlineView* dirTreeView_ = nullptr;
    QComboBox* titleEdit_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QWidget* titleRow_ = nullptr;
    QLabel* openedFilePanel_ = nullptr;
    QLabel* saveStatePanel_ = nullptr;
    QTimer* autoSaveTimer_ = nullptr;
    BackupQuestion askBackup_ = [this](const QStringList& rows) -> std::optional<int> {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(this, QStringLiteral("Restore Backup"),
                                                     QStringLiteral("Put back the collection as it was on:"), rows, 0,
                                                     false, &ok);
        if (!ok)
            return std::nullopt;
        return static_cast<int>(rows.indexOf(chosen));
    };
    QTabWidget* sidePanel_ = nullptr;
    QComboBox* addressComboBox_ = nullptr;
    TLinkPropForm* linkPropForm_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
    TRbStyleManager* rbStyleManager1_ = nullptr;
    QSplitter* rbSplitter2_ = nullptr;
    QLabel* tipLabel_ = nullptr;
    QTimer* timer1_ = nullptr;
    Tips tips_;
    TimedActions timedItems_{linksTree_};
    TimedActionServices timedActions_;
    TagSort tagSort_;
    MenuEntry driveMenu_;
    std::unique_ptr<Drives> mountedDrives_;
    const Drives* drives_ = nullptr;
    FindBar* findBar_ = nullptr;
    std::unique_ptr<QuickLauncherBox> quickLauncher_;  // a window of its own, shown without the main one
};
