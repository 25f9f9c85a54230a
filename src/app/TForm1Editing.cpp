// The main window's handlers for creating, clipboard, deletion, restructuring, and the drops on its
// three trees.
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "editing/CreateNewLink.h"
#include "editing/CreationCommands.h"
#include "editing/Deletion.h"
#include "editing/DragDrop.h"
#include "editing/Restructure.h"
#include "editing/StreamCopy.h"
#include "ui/OutlineView.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {

// Tells the program's trees apart in the clipboard's "Virtual Tree Reference".
std::uint32_t treeReference(TreeKind kind) { return static_cast<std::uint32_t>(kind) + 1; }

DropPosition dropPosition(OutlineDragDrop::Position position) {
    switch (position) {
    case OutlineDragDrop::Position::Above:
        return DropPosition::Above;
    case OutlineDragDrop::Position::On:
        return DropPosition::On;
    case OutlineDragDrop::Position::Below:
        return DropPosition::Below;
    case OutlineDragDrop::Position::Nowhere:
        break;
    }
    return DropPosition::Nowhere;
}

Qt::DropAction dropAction(DropEffect effect) {
    switch (effect) {
    case DropEffect::Copy:
        return Qt::CopyAction;
    case DropEffect::Move:
        return Qt::MoveAction;
    case DropEffect::Link:
        return Qt::LinkAction;
    case DropEffect::None:
        break;
    }
    return Qt::IgnoreAction;
}

} // namespace

void TForm1::setUpEditing() {
    editingHost_ = EditingHost{
        [this](Node* item) { LinkProps(item); },
        [this] { titleEdit_->setFocus(Qt::OtherFocusReason); },
        [this] { GetBookmarks1Click(); },
    };
    linksClipboard_ = std::make_unique<OutlineClipboard>(linksTree_, treeReference(TreeKind::Links),
                                                         static_cast<std::uint32_t>(QCoreApplication::applicationPid()),
                                                         services_.clipboard, services_.dialogs);
    for (OutlineView* view : {linksTreeView_, marksTreeView_, dirTreeView_}) {
        auto* dragDrop = new OutlineDragDrop(*view);
        dragDrop->setHandler([this, view](const OutlineDragDrop::Drop& drop) { return LinksTreeDragDrop(*view, drop); });
    }
}

Qt::DropAction TForm1::LinksTreeDragDrop(OutlineView& receiver, const OutlineDragDrop::Drop& drop) {
    UndoStepScope step(undo_, "Drag and Drop");
    const DragSource source = !drop.source                   ? DragSource::Outside
                              : drop.source == linksTreeView_ ? DragSource::Outline
                                                              : DragSource::SideTree;
    const DropKeys keys{drop.modifiers.testFlag(Qt::ShiftModifier), drop.modifiers.testFlag(Qt::ControlModifier),
                        drop.modifiers.testFlag(Qt::AltModifier)};
    const Drop request{source, drop.offered.testFlag(Qt::CopyAction), keys, drop.target, dropPosition(drop.position)};
    return dropAction(::LinksTreeDragDrop(linksTree_, receiver.outlineModel().outline(), request, services_.dialogs));
}

// ---- handlers ----

void TForm1::CutLink_mpClick() { linksClipboard_->CutNode(); }
void TForm1::CopyLink_mpClick() { linksClipboard_->CopyNode(); }
void TForm1::PasteLink_mpClick() { linksClipboard_->PasteNode(); }
void TForm1::CloneItems1Click() { CloneItems(linksTree_); }
void TForm1::DeleteLink_mpClick() { DelNode(linksTree_); }

void TForm1::AddRootLink_mpClick() { AddRootLink(linksTree_, editingHost_); }
void TForm1::AddChildLink_mpClick() { AddChildLink(linksTree_, editingHost_); }
void TForm1::AddItemRight1Click() { AddItemRight(linksTree_, editingHost_); }
void TForm1::AddItemLeft1Click() { AddItemLeft(linksTree_, editingHost_); }
void TForm1::InsertLinkBefore_mpClick() { InsertLinkBefore(linksTree_, editingHost_); }
void TForm1::InsertLinkAfter_mpClick() { InsertLinkAfter(linksTree_, editingHost_); }
void TForm1::AddLinkFromClipboard_mpClick() { AddLinkFromClipboard(linksTree_, services_.clipboard, editingHost_); }

void TForm1::InsertGroup1Click() { InsertByType(linksTree_, editingHost_, ItemType::Group); }
void TForm1::InsertURL1Click() { InsertByType(linksTree_, editingHost_, ItemType::Url); }
void TForm1::InsertFolder1Click() { InsertByType(linksTree_, editingHost_, ItemType::Folder); }
void TForm1::InsertFile1Click() { InsertByType(linksTree_, editingHost_, ItemType::File); }
void TForm1::InsertApplicationItem1Click() { InsertByType(linksTree_, editingHost_, ItemType::Application); }
void TForm1::InsertGoogleSearch1Click() { InsertByType(linksTree_, editingHost_, ItemType::GoogleSearch); }
void TForm1::InsertEmailItem1Click() { InsertByType(linksTree_, editingHost_, ItemType::Email); }
void TForm1::InsertInfoItem1Click() { InsertByType(linksTree_, editingHost_, ItemType::Note); }
void TForm1::InsertWarningItem1Click() { InsertByType(linksTree_, editingHost_, ItemType::Warning); }
void TForm1::InsertPrintItem1Click() { InsertByType(linksTree_, editingHost_, ItemType::PrintJob); }

void TForm1::Up1Click() { MoveItemsUp(linksTree_); }
void TForm1::Down1Click() { MoveItemsDown(linksTree_); }
void TForm1::Right1Click() { MoveItemsRight(linksTree_); }
void TForm1::Left1Click() { MoveItemsLeft(linksTree_); }
void TForm1::GroupItems1Click() { GroupItems(linksTree_); }

void TForm1::GroupFolder1Click() { SetItemType(linksTree_, ItemType::Group); }
void TForm1::URL1Click() { SetItemType(linksTree_, ItemType::Url); }
void TForm1::Folder1Click() { SetItemType(linksTree_, ItemType::Folder); }
void TForm1::File1Click() { SetItemType(linksTree_, ItemType::File); }
void TForm1::Application1Click() { SetItemType(linksTree_, ItemType::Application); }
void TForm1::GoogleSearch1Click() { SetItemType(linksTree_, ItemType::GoogleSearch); }
void TForm1::SavedPage1Click() { SetItemType(linksTree_, ItemType::SavedPage); }
void TForm1::Email1Click() { SetItemType(linksTree_, ItemType::Email); }
void TForm1::Note1Click() { SetItemType(linksTree_, ItemType::Note); }
void TForm1::PrintJob1Click() { SetItemType(linksTree_, ItemType::PrintJob); }
void TForm1::Warning1Click() { SetItemType(linksTree_, ItemType::Warning); }
void TForm1::AutoFill1Click() { SetItemType(linksTree_, ItemType::AutoFill); }
