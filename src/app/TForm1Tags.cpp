// The main window's side panels: the tag list (MarksTree), the collection list (DirTree) and the drive
// menu under "Get Local File Link".
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "panels/CollectionList.h"
#include "platform/linux/MountedDrives.h"
#include "ui/ItemTypeImages.h"
#include "ui/OutlineView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

namespace {

// A colour value 0x00BBGGRR as a Qt colour.
QColor fromColorValue(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

OutlineView::RowBackground oddRows(std::uint32_t value) {
    return [colour = fromColorValue(value)](const QModelIndex& index) { return index.row() % 2 ? colour : QColor(); };
}

// Drives and folders in the style's pictures; files by their kind, in the item-type pictures where
// one fits and in the desktop's icon theme otherwise, so that the kinds can be told apart.
QIcon driveMenuIcon(const QStyle& style, int image) {
    const QIcon file = style.standardIcon(QStyle::SP_FileIcon);
    switch (image) {
    case 0: return style.standardIcon(QStyle::SP_DriveFDIcon);
    case 1: return style.standardIcon(QStyle::SP_DriveHDIcon);
    case 2: return style.standardIcon(QStyle::SP_DriveCDIcon);
    case 3: return style.standardIcon(QStyle::SP_DirIcon);
    case 5: return ItemTypeImages::icon(ItemType::Url);
    case 6: return ItemTypeImages::icon(ItemType::Note);
    case 7: return ItemTypeImages::icon(ItemType::SavedPage);
    case 8: return QIcon::fromTheme(QStringLiteral("package-x-generic"), file);
    case 9: return ItemTypeImages::icon(ItemType::Application);
    case 10: return QIcon::fromTheme(QStringLiteral("audio-x-generic"), file);
    case -1: return {};
    default: return file;
    }
}

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

void TForm1::setUpSidePanels() {
    auto keyUp = [this](const QKeyEvent&) { LinksTreeKeyUp(); };
    auto mouseDown = [this](Qt::MouseButton button) { LinksTreeMouseDown(button); };
    marksTreeView_->setEventHandlers({[this](const QKeyEvent& key) { return isEnter(key) && (MarksTreeDblClick(), true); },
                                      keyUp, mouseDown, [this] { MarksTreeDblClick(); }});
    dirTreeView_->setEventHandlers({[this](const QKeyEvent& key) { return isEnter(key) && (DirTreeDblClick(), true); },
                                    keyUp, mouseDown, [this] { DirTreeDblClick(); }});
    marksTreeView_->setRowBackground(oddRows(kTagListOddRowColor));
    dirTreeView_->setRowBackground(oddRows(kCollectionListOddRowColor));
    QHeaderView* header = marksTreeView_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { MarksTreeHeaderClick(column); });
    showTagSort();
}

void TForm1::showTagSort() {
    marksTreeView_->header()->setSortIndicator(tagSort_.column,
                                               tagSort_.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TForm1::FillDir() { ::FillDir(dirTree_, folders_.data, services_.dialogs); }

void TForm1::FillDriveMenu() {
    if (!drives_) {
        mountedDrives_ = std::make_unique<MountedDrives>();
        drives_ = mountedDrives_.get();
    }
    ::FillDriveMenu(driveMenu_, *drives_);
    if (QAction* entry = actionAt("Item/Import Items/Get Local File Link"); entry && entry->menu())
        mirrorDriveMenu(entry->menu(), driveMenu_);
}

// Rebuilds the Qt menu from the entry's shown sub-entries; drive and folder entries get a submenu of
// their own that is read when it is about to open.
void TForm1::mirrorDriveMenu(QMenu* menu, MenuEntry& entry) {
    for (QAction* old : menu->actions())
        if (old->menu())
            old->menu()->deleteLater();
    menu->clear();
    menu->setSeparatorsCollapsible(false);  // ShownEntries has reduced them already
    for (const MenuEntry* shown : ShownEntries(entry)) {
        MenuEntry& sub = const_cast<MenuEntry&>(*shown);
        const QString caption = QString::fromStdString(sub.caption);
        if (sub.isSeparator()) {
            menu->addSection(QString::fromStdString(sub.hint));
        } else if (sub.action == MenuEntry::Action::PopulateDirectory) {
            QMenu* submenu = menu->addMenu(driveMenuIcon(*style(), sub.image), caption);
            submenu->menuAction()->setToolTip(QString::fromStdString(sub.hint));
            connect(submenu, &QMenu::aboutToShow, this, [this, submenu, &sub] { PopuplateDirectory(submenu, sub); });
            mirrorDriveMenu(submenu, sub);
        } else {
            QAction* action = menu->addAction(driveMenuIcon(*style(), sub.image), caption);
            action->setEnabled(sub.enabled);
            if (sub.action == MenuEntry::Action::OpenFile)
                connect(action, &QAction::triggered, this, [this, &sub] { OpenFile(sub); });
        }
    }
}

// ---- handlers ----

void TForm1::GetBookmarks1Click() { GetBookmarks(linksTree_, marksTree_, tagSort_), showTagSort(); }

void TForm1::GetLetterBookmarks(char letter) { ::GetLetterBookmarks(linksTree_, marksTree_, letter, tagSort_), showTagSort(); }

void TForm1::MarksTreeDblClick() {
    if (Node* item = TagTarget(marksTree_, linksTree_))
        linksTreeView_->focusNode(item), linksTree_.setExpanded(item, true);
    linksTreeView_->setFocus();
}

void TForm1::MarksTreeHeaderClick(int column) { ::MarksTreeHeaderClick(tagSort_, column), showTagSort(); }

void TForm1::DirTreeDblClick() { OpenCollectionEntry(dirTree_, documents_, services_.dialogs), showOpenedFile(); }

void TForm1::PopuplateDirectory(QMenu* menu, MenuEntry& entry) {
    if (const std::string title = ::PopuplateDirectory(entry); !title.empty())
        setWindowTitle(QString::fromStdString(title));
    else
        mirrorDriveMenu(menu, entry);
}

void TForm1::OpenFile(const MenuEntry& entry) {
    UndoStepScope step(undo_, "Get Local File Link");
    ::OpenFile(entry, linksTree_);
}

void TForm1::A1Click() { GetLetterBookmarks('A'); }
void TForm1::B1Click() { GetLetterBookmarks('B'); }
void TForm1::C1Click() { GetLetterBookmarks('C'); }
void TForm1::D1Click() { GetLetterBookmarks('D'); }
void TForm1::E1Click() { GetLetterBookmarks('E'); }
void TForm1::F1Click() { GetLetterBookmarks('F'); }
void TForm1::G1Click() { GetLetterBookmarks('G'); }
void TForm1::H1Click() { GetLetterBookmarks('H'); }
void TForm1::I1Click() { GetLetterBookmarks('I'); }
void TForm1::J1Click() { GetLetterBookmarks('J'); }
void TForm1::K1Click() { GetLetterBookmarks('K'); }
void TForm1::L1Click() { GetLetterBookmarks('L'); }
void TForm1::M1Click() { GetLetterBookmarks('M'); }
void TForm1::N8Click() { GetLetterBookmarks('N'); }
void TForm1::O1Click() { GetLetterBookmarks('O'); }
void TForm1::P1Click() { GetLetterBookmarks('P'); }
void TForm1::Q1Click() { GetLetterBookmarks('Q'); }
void TForm1::R1Click() { GetLetterBookmarks('R'); }
void TForm1::S1Click() { GetLetterBookmarks('S'); }
void TForm1::T1Click() { GetLetterBookmarks('T'); }
void TForm1::U1Click() { GetLetterBookmarks('U'); }
void TForm1::V1Click() { GetLetterBookmarks('V'); }
void TForm1::W1Click() { GetLetterBookmarks('W'); }
void TForm1::X1Click() { GetLetterBookmarks('X'); }
void TForm1::Y1Click() { GetLetterBookmarks('Y'); }
void TForm1::Z1Click() { GetLetterBookmarks('Z'); }
