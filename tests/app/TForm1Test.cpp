#include "app/CommandMap.h"
#include "app/KeySequences.h"
#include "app/TForm1.h"
#include "panels/TimedActions.h"
#include "collection/NodeStream.h"
#include "support/TestOutlines.h"
#include "support/WindowUnderTest.h"
#include "ui/OutlineDragDrop.h"
#include "ui/OutlineView.h"
#include "ui/TLinkPropForm.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QTreeView>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

void writeCollection(const fs::path& path, const Outline& outline) {
    Bytes bytes = writeOutline(outline);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

// A main window over a fresh program folder.
struct TForm1Fixture : ::testing::Test, WindowUnderTest {
    TForm1Fixture() : WindowUnderTest("form") {}
    const fs::path& folder = scratch.path();

    std::string path(const std::string& name) const { return (folder / name).string(); }
    // Starts with a collection of top-level items of these names.
    void startWith(const std::vector<std::string>& names) {
        Outline stored;
        for (const std::string& name : names)
            addNamed(stored, nullptr, name);
        writeCollection(path("links.goto"), stored);
        start();
    }
    Node* item(const std::string& name) {
        for (Node* n = form->LinksTree().first(); n; n = form->LinksTree().next(n))
            if (n->data.Name == name)
                return n;
        ADD_FAILURE() << "no item " << name;
        return nullptr;
    }
    // The next properties dialog to open is given this name and closed with "Ok".
    void answerDialogWithName(const std::string& name) {
        QTimer::singleShot(0, propForm.get(), [this, name] {
            propForm->findChild<QPlainTextEdit*>("NameEdit")->setPlainText(QString::fromStdString(name));
            propForm->OkLinkPropBtnClick();
        });
    }
};

TEST_F(TForm1Fixture, EveryMenuEntryExistsWithCaptionHandlerVisibilityAndFinalShortcut) {
    start();
    const auto shortcuts = resolvedShortcuts();
    const auto entries = commandMap();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CommandEntry& e = entries[i];
        if (e.kind == CommandEntry::Separator)
            continue;
        QAction* action = form->actionAt(entryPath(e));
        ASSERT_NE(action, nullptr) << entryPath(e);
        EXPECT_EQ(action->text().toStdString(), e.caption);
        if (!e.handler.empty()) {
            EXPECT_NE(TForm1::handlerNamed(e.handler), nullptr) << e.handler;
        }
        if (e.kind == CommandEntry::Submenu) {
            EXPECT_EQ(action->isVisible(), e.visible) << entryPath(e);
            continue;
        }
        EXPECT_EQ(action->property("menuEntryVisible").toBool(), e.visible) << entryPath(e);
        EXPECT_EQ(action->shortcuts(), keySequencesFor(shortcuts[i])) << entryPath(e);
    }
}

TEST_F(TForm1Fixture, TheMenuBarShowsTheNineMenusButFormatIsHidden) {
    start();
    QStringList shown;
    for (QAction* a : form->menuBar()->actions())
        if (a->isVisible())
            shown << a->text();
    EXPECT_EQ(shown.join(","), "File,Edit,View,Insert,Item,Actions,Service,Help");
    EXPECT_TRUE(form->actionAt("Help/Autoplay Tips")->isChecked());
}

TEST_F(TForm1Fixture, KeysReachTheirHandlersIncludingHiddenEntries) {
    start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Ctrl+Enter with nothing selected: "Show Item Info" says so.
    QTest::keyClick(form.get(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: no selection!"));
    // Keys of hidden entries and hidden menus work; a key given twice reaches the first entry only.
    struct KeyCase {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* receiver;
        const char* notReceiver;
    } cases[] = {
        {Qt::Key_B, Qt::ControlModifier, "Bold1Click", nullptr},
        {Qt::Key_F12, Qt::NoModifier, "UseEmbeddedBrowser1Click", nullptr},
        {Qt::Key_F3, Qt::NoModifier, "SaveNote1Click", "BrowseNextInternaly_mpClick"},
        {Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, "N8Click", "AddChildLink_mpClick"},
        {Qt::Key_F9, Qt::ControlModifier, "BrowseNext_mpClick", "Browse_mp_Click"},
    };
    for (const KeyCase& c : cases) {
        QSignalSpy received(form->actionFor(c.receiver), &QAction::triggered);
        std::unique_ptr<QSignalSpy> other;
        if (c.notReceiver)
            other = std::make_unique<QSignalSpy>(form->actionFor(c.notReceiver), &QAction::triggered);
        QTest::keyClick(form.get(), c.key, c.modifiers);
        EXPECT_EQ(received.count(), 1) << c.receiver;
        if (other) {
            EXPECT_EQ(other->count(), 0) << c.notReceiver;
        }
    }
    // Ctrl+S saves through the designed shortcut; the file appears.
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(fs::exists(path("links.goto")));
}

TEST_F(TForm1Fixture, FirstStartShowsOneEmptyGroupRowAndWritesItOnClose) {
    start();
    ASSERT_EQ(form->LinksTree().rootCount(), 1);
    const LinkItem& only = form->LinksTree().first()->data;
    EXPECT_EQ(only.ItemType, 0);
    EXPECT_EQ(only.Name, "");
    EXPECT_EQ(form->linksTreeView()->model()->rowCount(), 1);
    EXPECT_EQ(form->OpenedFilePanel()->text().toStdString(), " " + path("links.goto"));
    form->close();
    Outline saved;
    readOutline(saved, readWholeFile(path("links.goto")));
    EXPECT_EQ(saved.rootCount(), 1);
}

TEST_F(TForm1Fixture, AnExistingCollectionIsShownWithTheFocusedNameInTheTitleBox) {
    Outline stored;
    Node* a = addNamed(stored, nullptr, "Alpha");
    addNamed(stored, a, "Alpha child");
    Node* b = addNamed(stored, nullptr, "Beta");
    stored.setSelected(b, true);
    writeCollection(path("links.goto"), stored);
    start();
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("Alpha", "  Alpha child", "Beta"));
    EXPECT_EQ(form->linksTreeView()->model()->rowCount(), 2);
    EXPECT_EQ(form->TitleEdit()->currentText(), "Beta");
}

TEST_F(TForm1Fixture, StartUpClearsFiredFlagsRegistersHotKeysInOrderAndTimesTheStoredItems) {
    Outline stored;
    Node* group = addNamed(stored, nullptr, "Work");
    Node* report = addNamed(stored, group, "Daily report");
    report->data.ItemType = 1;
    report->data.URL = "https://example.org/report";
    report->data.Time = "09:30";
    report->data.Execute = "+";
    report->data.Fired = 255;  // as a previous run left it
    report->data.HotKey = "Ctrl+Alt+R";
    addNamed(stored, nullptr, "Mail")->data.HotKey = "Ctrl+Alt+M";
    writeCollection(path("links.goto"), stored);
    start();

    // The items' keys in document order, then the quick launcher's (Ctrl+Alt+Space).
    EXPECT_EQ(hotKeys.calls, (std::vector<std::string>{"register " + RecordingHotKeyService::hex(hotKeys.parse("Ctrl+Alt+R")),
                                                       "register " + RecordingHotKeyService::hex(hotKeys.parse("Ctrl+Alt+M")),
                                                       "register 0xC020"}));
    form->LinksTree().forEach([](const Node* n) { EXPECT_EQ(n->data.Fired, 0) << n->data.Name; });
    clock.time = "09:30:02";
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(TForm1Fixture, ATimedItemFiresOnceWhenTheStartMessageBoxStaysOpenPastATick) {
    Outline stored;
    Node* due = addNamed(stored, nullptr, "Daily report");
    due->data.ItemType = 1;
    due->data.URL = "https://example.org/report";
    due->data.Time = "09:30";
    due->data.Execute = "+";
    addNamed(stored, nullptr, "cut off");
    Bytes damaged = writeOutline(stored);
    damaged.resize(damaged.size() - 20);
    std::ofstream(path("links.goto"), std::ios::binary)
        .write(reinterpret_cast<const char*>(damaged.data()), static_cast<std::streamsize>(damaged.size()));
    clock.time = "09:30:00";
    dialogs.whileOpen = [] { QTest::qWait(kTimerIntervalMs + 500); };  // the box is read for a while
    start();
    dialogs.whileOpen = nullptr;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(TForm1Fixture, ANameOfAnyLengthSurvivesAFocusMoveThroughTheTitleBox) {
    startWith({"long", "short"});
    const std::string longName(40000, 'n');
    item("long")->data.Name = longName;
    form->LinksTree().setFocused(item(longName));
    form->LinksTree().setFocused(item("short"));
    EXPECT_EQ(form->LinksTree().first()->data.Name, longName);
}

TEST_F(TForm1Fixture, RestoreBackupPutsBackTheFileAsItWasAsOneUndoableStepAndRefusesADamagedOne) {
    startWith({"as it was"});
    form->LinksTree().first()->data.Name = "changed";
    form->Save_mp_Click();  // the first save of the run backs up the file it writes over
    std::vector<QStringList> asked;
    form->setBackupQuestion([&asked](const QStringList& rows) -> std::optional<int> {
        asked.push_back(rows);
        return 0;
    });
    form->actionFor("RestoreBackup1Click")->trigger();
    ASSERT_EQ(asked.size(), 1u);
    ASSERT_EQ(asked[0].size(), 1);
    EXPECT_THAT(asked[0][0].toStdString(), ::testing::EndsWith(" — 1 item"));
    EXPECT_EQ(shape(form->LinksTree()), std::vector<std::string>{"as it was"});
    EXPECT_EQ(form->documents().currentPath(), path("links.goto"));
    EXPECT_EQ(form->actionFor("Undo1Click")->text().toStdString(), "Undo Restore Backup");
    form->actionFor("Undo1Click")->trigger();
    EXPECT_EQ(shape(form->LinksTree()), std::vector<std::string>{"changed"});

    const std::string backup = (folder / "Backups").string();
    for (const auto& entry : fs::directory_iterator(backup))
        fs::resize_file(entry.path(), 30);  // cut short: damaged
    form->actionFor("RestoreBackup1Click")->trigger();
    EXPECT_THAT(asked.back()[0].toStdString(), ::testing::EndsWith(" — damaged"));
    EXPECT_THAT(dialogs.messages.back(), ::testing::HasSubstr("was not restored; nothing was changed."));
    EXPECT_EQ(shape(form->LinksTree()), std::vector<std::string>{"changed"});
}

TEST_F(TForm1Fixture, ATitleTypedBeforeAFocusMoveGoesToThePreviouslyFocusedItem) {
    Outline stored;
    addNamed(stored, nullptr, "first");
    addNamed(stored, nullptr, "Gr\xFC\xDF" "e");
    writeCollection(path("links.goto"), stored);
    start();
    Outline& tree = form->LinksTree();
    Node* first = tree.first();
    Node* second = tree.next(first);
    tree.setFocused(second);
    EXPECT_EQ(form->TitleEdit()->currentText(), QString::fromUtf8("Grüße"));
    tree.setFocused(first);
    EXPECT_EQ(second->data.Name, "Gr\xFC\xDF" "e") << "an untouched 8-bit name keeps its bytes";
    form->TitleEdit()->setEditText("renamed");
    tree.setFocused(second);
    EXPECT_EQ(first->data.Name, "renamed");
    EXPECT_EQ(form->TitleEdit()->currentText(), QString::fromUtf8("Grüße"));
    form->TitleEdit()->setEditText("by label");
    form->TitleRbPanelClick();
    EXPECT_EQ(second->data.Name, "by label");
}

TEST_F(TForm1Fixture, ANameStoredInTheDialogForTheFocusedItemReachesTheTitleBox) {
    Outline stored;
    addNamed(stored, nullptr, "focused");
    addNamed(stored, nullptr, "other");
    writeCollection(path("links.goto"), stored);
    start();
    Outline& tree = form->LinksTree();
    Node* focused = tree.first();
    Node* other = tree.next(focused);
    tree.setFocused(focused);
    for (Node* item : {other, focused}) {
        ASSERT_TRUE(propForm->fill(item));
        propForm->findChild<QPlainTextEdit*>("NameEdit")->setPlainText(QString::fromStdString("new " + item->data.Name));
        propForm->OkLinkPropBtnClick();
    }
    EXPECT_EQ(form->TitleEdit()->currentText(), "new focused");
    tree.setFocused(other);
    EXPECT_EQ(focused->data.Name, "new focused") << "the next focus move keeps the new name";
    EXPECT_EQ(other->data.Name, "new other");
}

TEST_F(TForm1Fixture, DroppedFilesBecomeChildrenOfTheFocusedItem) {
    start();
    Node* x = form->LinksTree().first();
    form->LinksTree().setFocused(x);
    form->filesDropped({"/tmp/a.txt", "/tmp/b.txt", "/tmp/c.txt"});
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("", "  /tmp/a.txt", "  /tmp/b.txt", "  /tmp/c.txt"));
}

TEST_F(TForm1Fixture, EditingCommandsKeepTheTitleBoxInStepWithTheFocusedItem) {
    startWith({"first", "second"});
    Outline& tree = form->LinksTree();

    // A typed title goes to the item that had the focus when a typed insert command moves it.
    tree.setFocused(item("first"));
    form->TitleEdit()->setEditText("typed");
    answerDialogWithName("new url");
    form->actionAt("Insert/Insert URL Item")->trigger();
    EXPECT_THAT(shape(tree), ElementsAre("typed", "second", "new url"));
    EXPECT_EQ(tree.focused(), item("new url"));
    EXPECT_EQ(form->TitleEdit()->currentText(), "new url");

    // A cut item moved by the paste stays focused and shown; the next focus move keeps every name.
    tree.clearSelection();
    tree.setSelected(item("new url"), true);
    form->CutLink_mpClick();
    tree.setFocused(item("second"));
    tree.setFocused(item("new url"));
    form->TitleEdit()->setEditText("renamed in the box");
    form->actionAt("Item/Move Items/Up")->trigger();
    EXPECT_EQ(form->TitleEdit()->currentText(), "renamed in the box");
    tree.setFocused(item("second"));
    EXPECT_THAT(shape(tree), ElementsAre("typed", "renamed in the box", "second"));

    // Deleting the focused item hands the focus, and the title box, to its parent.
    Node* child = addNamed(tree, item("second"), "child");
    tree.setExpanded(item("second"), true);
    tree.setFocused(child);
    form->TitleEdit()->setEditText("typed into the child");
    tree.clearSelection();
    tree.setSelected(child, true);
    form->actionAt("Edit/Delete Items")->trigger();
    EXPECT_THAT(shape(tree), ElementsAre("typed", "renamed in the box", "second"));
    EXPECT_EQ(tree.focused(), item("second"));
    EXPECT_EQ(form->TitleEdit()->currentText(), "second");
}

TEST_F(TForm1Fixture, AddItemOpensTheDialogOnTheNewItemThenGoesToTheTitleBox) {
    startWith({"first"});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->linksTreeView()->setFocus();
    form->LinksTree().setFocused(item("first"));
    answerDialogWithName("added");
    form->AddChildLink_mpClick();
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("first", "added"));
    EXPECT_EQ(form->LinksTree().focused(), item("first")) << "the focused item stays";
    EXPECT_EQ(form->focusWidget(), form->TitleEdit()) << "the keyboard focus is in the title box";
    EXPECT_EQ(form->TitleEdit()->currentText(), "first");
}

TEST_F(TForm1Fixture, CopyAndPasteFromTheEditMenuCopyUnderTheFocusedItem) {
    startWith({"A", "B"});
    Outline& tree = form->LinksTree();
    tree.setSelected(item("A"), true);
    form->actionAt("Edit/Copy")->trigger();
    tree.setFocused(item("B"));
    form->actionAt("Edit/Paste")->trigger();
    form->actionAt("Edit/Clone Items")->trigger();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  A", "A"));
    EXPECT_TRUE(dialogs.messages.empty());
}

// Drops on the three trees go through the same handler: outline items dragged onto the tag list are
// copied there; files from the file manager dropped on the outline add nothing.
TEST_F(TForm1Fixture, DropsOnTheTreesCopyOutlineItemsAndIgnoreFiles) {
    startWith({"A", "B"});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* links = form->linksTreeView();
    auto* marks = form->findChild<OutlineView*>("MarksTree");
    ASSERT_NE(marks, nullptr);
    addNamed(form->MarksTree(), nullptr, "tag");
    auto drop = [](OutlineView* view, Node* on, const QMimeData& data, Qt::DropActions offered) {
        const QModelIndex index = view->outlineModel().indexOf(on);
        const QPoint point = view->visualRect(index).center();
        QDragEnterEvent enter(point, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent event(point, offered, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
        return event.dropAction();
    };
    item("A")->data.URL = "https://example.org/";
    form->LinksTree().setSelected(item("A"), true);
    std::unique_ptr<QMimeData> fromOutline(OutlineDragDrop::dragData(*links));
    Node* tag = form->MarksTree().first();
    EXPECT_EQ(drop(marks, tag, *fromOutline, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction), Qt::CopyAction);
    ASSERT_EQ(tag->childCount(), 1);
    EXPECT_EQ(tag->child(0)->data, item("A")->data);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(path("dropped.txt")))});
    EXPECT_EQ(drop(links, item("B"), files, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("A", "B"));
}

TEST_F(TForm1Fixture, SaveAsThenSaveUpdatesTheStatusLine) {
    start();
    dialogs.fileAnswers = {path("Info/other.goto")};
    form->SaveAs_mp_Click();
    EXPECT_EQ(form->OpenedFilePanel()->text().toStdString(), " " + path("Info/other.goto"));
    form->Save_mp_Click();
    EXPECT_TRUE(fs::exists(path("Info/other.goto")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TForm1Fixture, ThePanelsHaveTheirDesignedSizesAndTexts) {
    start();
    EXPECT_EQ(form->findChild<QWidget*>("PageControl3")->height(), 71);
    EXPECT_EQ(form->findChild<QWidget*>("TipPanel")->height(), 32);
    EXPECT_EQ(form->findChild<QWidget*>("Panel4")->height(), 27);
    EXPECT_EQ(form->findChild<QWidget*>("RbPanel3")->height(), 19);
    EXPECT_EQ(form->findChild<QWidget*>("HintPanel")->height(), 28);
    EXPECT_EQ(form->findChild<QWidget*>("RightSplitter")->width(), 5);
    QStringList titles;
    for (int i = 0; i < form->TitleEdit()->count(); ++i)
        titles << form->TitleEdit()->itemText(i);
    EXPECT_EQ(titles.join(","), "[Note],{Comment}");
}

// The colour a side tree paints in an empty part of a row.
QColor rowColour(OutlineView* view, int row) {
    view->resize(300, 200);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    return view->viewport()->grab().toImage().pixelColor(rect.right() - 4, rect.center().y());
}

TEST_F(TForm1Fixture, TheSidePanelsAreFilledAtStartWithTheirOddRowsColoured) {
    std::ofstream(path("Info/work.goto")) << "";
    std::ofstream(path("Info/.Archive.goto")) << "";
    std::ofstream(path("Info/readme.txt")) << "";
    startWith({"Beta", "alpha", "Gamma"});

    EXPECT_THAT(shape(form->DirTree()), ElementsAre(".Archive.goto", "work.goto"));
    EXPECT_THAT(shape(form->MarksTree()), ElementsAre("Beta", "alpha", "Gamma"));
    EXPECT_EQ(form->MarksTree().focused(), form->MarksTree().first());
    EXPECT_EQ(form->marksTreeView()->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_FALSE(form->marksTreeView()->model()->headerData(0, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(rowColour(form->marksTreeView(), 1), QColor(0xEE, 0xEE, 0xFF));
    EXPECT_NE(rowColour(form->marksTreeView(), 2), QColor(0xEE, 0xEE, 0xFF));
    EXPECT_EQ(rowColour(form->dirTreeView(), 1), QColor(0xEE, 0xFF, 0xCC));
    EXPECT_NE(rowColour(form->dirTreeView(), 0), QColor(0xEE, 0xFF, 0xCC));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TForm1Fixture, LetterKeysHeaderClicksAndEnterOnTheTagList) {
    startWith({"Beta", "alpha", "Bravo"});
    form->actionFor("B1Click")->trigger();
    EXPECT_THAT(shape(form->MarksTree()), ElementsAre("Beta", "Bravo"));

    QHeaderView* header = form->marksTreeView()->header();
    emit header->sectionClicked(0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_THAT(shape(form->MarksTree()), ElementsAre("Beta", "Bravo"));

    Node* bravoEntry = form->MarksTree().root()->child(1);
    form->MarksTree().setFocused(bravoEntry);
    form->MarksTree().setSelected(bravoEntry, true);
    QTest::keyClick(form->marksTreeView(), Qt::Key_Return);
    EXPECT_EQ(form->LinksTree().focused(), item("Bravo"));
}

TEST_F(TForm1Fixture, EnterOnTheCollectionListSavesTheCollectionAndOpensTheChosenOne) {
    Outline other;
    addNamed(other, nullptr, "Elsewhere");
    writeCollection(path("Info/other.goto"), other);
    startWith({"Home"});
    QTest::keyClick(form->dirTreeView(), Qt::Key_Return);  // nothing focused: nothing happens
    EXPECT_EQ(form->documents().currentPath(), path("links.goto"));

    form->LinksTree().first()->data.Name = "Home changed";
    form->DirTree().setFocused(form->DirTree().first());
    QTest::keyClick(form->dirTreeView(), Qt::Key_Return);

    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("Elsewhere"));
    EXPECT_EQ(form->OpenedFilePanel()->text().toStdString(), " " + path("Info/other.goto"));
    EXPECT_THAT(shape(form->MarksTree()), ElementsAre("Home"));  // kept until rebuilt
    Outline reread;
    Documents(reread, folder.string() + "/").LoadTree(path("links.goto"));
    EXPECT_THAT(shape(reread), ElementsAre("Home changed"));
}

TEST_F(TForm1Fixture, TheDriveMenuReadsFoldersAsTheyOpenAndAddsChosenFiles) {
    fs::create_directories(path("disk/sub"));
    std::ofstream(path("disk/notes.txt")) << "";
    drives.answer = {{path("disk"), DriveType::Fixed, "Data"}};
    start();
    QMenu* menu = form->actionAt("Item/Import Items/Get Local File Link")->menu();
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions.join("|"), "Data (" + QString::fromStdString(path("disk")) + ")");  // the group caption reduced away

    QMenu* disk = menu->actions().back()->menu();
    emit disk->aboutToShow();
    captions.clear();
    for (QAction* a : disk->actions())
        captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions.join("|"), "sub|-|notes.txt");

    form->LinksTree().setFocused(form->LinksTree().first());
    disk->actions().back()->trigger();
    EXPECT_EQ(form->LinksTree().root()->childCount(), 1);
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("", "  " + path("disk") + "/notes.txt"));
    emit disk->aboutToShow();
    EXPECT_EQ(form->windowTitle().toStdString(), kBufferUsed);
}

} // namespace
