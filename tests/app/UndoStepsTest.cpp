// Undo and redo through the real window: every kind of change a user makes to the collection, by
// every road, is one step that undo takes back to the very bytes the collection had and redo brings
// forward again.
#include "app/TForm1.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"
#include "support/TestOutlines.h"
#include "support/WindowUnderTest.h"
#include "ui/OutlineDragDrop.h"
#include "ui/OutlineView.h"
#include "ui/TLinkPropForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

using ::testing::ElementsAre;

// A window over the collection
//   A (group) / A1, A2 (group) / A21;  B;  C
// with every group expanded.
struct UndoWindow : WindowUnderTest {
    UndoWindow() : WindowUnderTest("undo") {
        Outline stored;
        Node* a = addNamed(stored, nullptr, "A");
        a->data.ItemType = ItemType::Group;
        addNamed(stored, a, "A1")->data.URL = "https://example.org/a1";
        Node* a2 = addNamed(stored, a, "A2");
        a2->data.ItemType = ItemType::Group;
        addNamed(stored, a2, "A21");
        addNamed(stored, nullptr, "B");
        addNamed(stored, nullptr, "C");
        stored.forEach([&stored](Node* n) { stored.setExpanded(n, n->childCount() > 0); });
        const Bytes bytes = writeOutline(stored);
        std::ofstream(scratch.path() / "links.goto", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        start();
        form->show();
        form->linksTreeView()->setFocus();
    }

    Outline& tree() { return form->LinksTree(); }
    Node* item(const std::string& name) {
        for (Node* n = tree().first(); n; n = tree().next(n))
            if (n->data.Name == name)
                return n;
        ADD_FAILURE() << "no item " << name;
        return nullptr;
    }
    void select(std::initializer_list<const char*> names) {
        tree().clearSelection();
        for (const char* name : names)
            tree().setSelected(item(name), true);
        tree().setFocused(item(*names.begin()));
    }
    void trigger(const std::string& path) {
        QAction* action = form->actionAt(path);
        ASSERT_NE(action, nullptr) << path;
        action->trigger();
    }
    // The next properties dialog gets this name and is closed with "Ok".
    void answerDialog(const std::string& name) {
        QTimer::singleShot(0, propForm.get(), [this, name] {
            propForm->findChild<QPlainTextEdit*>("NameEdit")->setPlainText(QString::fromStdString(name));
            propForm->OkLinkPropBtnClick();
        });
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->linksTreeView(), key, modifiers);
    }
    // Drops the outline's selection onto `on` in `view`, as a drag with these modifiers ends.
    void dragSelectionOnto(OutlineView* view, Node* on, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        std::unique_ptr<QMimeData> data(OutlineDragDrop::dragData(*form->linksTreeView()));
        dropOnto(view, on, *data, modifiers);
    }
    void dropOnto(OutlineView* view, Node* on, const QMimeData& data, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint point = view->visualRect(view->outlineModel().indexOf(on)).center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(point, offered, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(point, offered, &data, Qt::NoButton, modifiers);
        QApplication::sendEvent(view->viewport(), &drop);
    }
    Bytes bytes() { return writeOutline(tree()); }
    std::string caption(const std::string& path) { return form->actionAt(path)->text().toStdString(); }
};

// The collection as lines of name, type and stored states, to show how two collections differ.
std::string described(const Bytes& bytes) {
    Outline outline;
    readOutline(outline, bytes);
    std::string text;
    outline.forEach([&](Node* n) {
        text += std::string(2 * outline.level(n), ' ') + n->data.Name + " type " + std::to_string(n->data.ItemType) +
                " states " + std::to_string(outline.base(n).states & NodeState::PersistentMask) + "\n";
    });
    return text;
}

// The same collection with every branch collapsed.
Bytes collapsed(const Bytes& bytes) {
    Outline outline;
    readOutline(outline, bytes);
    outline.setExpandedAll(false);
    return writeOutline(outline);
}

struct StepCase {
    const char* what;
    const char* step;  // the step's name in "Undo …"; nullptr: the command changes nothing
    std::function<void(UndoWindow&)> prepare, command;
    // Redo expands the branch the command left collapsed around what it changed, to show it.
    bool redoShowsAHiddenChange = false;
};

void nothing(UndoWindow&) {}

const StepCase kSteps[] = {
    {"Add Root Item", "Add Root Item", nothing,
     [](UndoWindow& w) { w.answerDialog("root"), w.trigger("Insert/Add Root Item"); }},
    {"Add Item", "Add Item", [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.answerDialog("added"), w.trigger("Insert/Add Item"); }},
    {"Add Item Right", "Add Item Right", [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.answerDialog("right"), w.trigger("Insert/Add Item Right"); }},
    {"Add Item Left", "Add Item Left", [](UndoWindow& w) { w.select({"A21"}); },
     [](UndoWindow& w) { w.answerDialog("left"), w.trigger("Insert/Add Item Left"); }},
    {"Add Item Before", "Add Item Before", [](UndoWindow& w) { w.select({"B"}); },
     [](UndoWindow& w) { w.answerDialog("before"), w.trigger("Insert/Add Item Before"); }},
    {"Insert Link After", "Insert Link After", [](UndoWindow& w) { w.select({"B"}); },
     [](UndoWindow& w) { w.answerDialog("after"), w.trigger("Item/Import Items/Insert Link After"); }},
    {"Insert URL Item", "Insert URL Item", [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.answerDialog("url"), w.trigger("Insert/Insert URL Item"); }},
    {"Insert Group Item", "Insert Group Item", [](UndoWindow& w) { w.select({"C"}); },
     [](UndoWindow& w) { w.answerDialog("group"), w.trigger("Insert/Insert Group Item"); }},
    {"the Insert key in the outline", "Insert Item", [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.key(Qt::Key_Insert); }},
    {"Copy, then Paste", "Paste",
     [](UndoWindow& w) { w.select({"A2"}), w.trigger("Edit/Copy"), w.tree().setFocused(w.item("C")); },
     [](UndoWindow& w) { w.trigger("Edit/Paste"); }},
    {"Cut, then Paste", "Paste",
     [](UndoWindow& w) { w.select({"A1", "B"}), w.trigger("Edit/Cut"), w.tree().setFocused(w.item("C")); },
     [](UndoWindow& w) { w.trigger("Edit/Paste"); }},
    {"Ctrl+V in the outline", "Paste",
     [](UndoWindow& w) { w.select({"A"}), w.trigger("Edit/Copy"), w.tree().setFocused(w.item("B")); },
     [](UndoWindow& w) { w.key(Qt::Key_V, Qt::ControlModifier); }},
    {"Delete Items", "Delete Items", [](UndoWindow& w) { w.select({"A2", "B"}); },
     [](UndoWindow& w) { w.trigger("Edit/Delete Items"); }},
    {"the Delete key in the outline", "Delete Items", [](UndoWindow& w) { w.select({"A", "C"}); },
     [](UndoWindow& w) { w.key(Qt::Key_Delete); }},
    {"Clone Items", "Clone Items", [](UndoWindow& w) { w.select({"A2", "C"}); },
     [](UndoWindow& w) { w.trigger("Edit/Clone Items"); }},
    {"Up", "Move Items Up", [](UndoWindow& w) { w.select({"A2"}); },
     [](UndoWindow& w) { w.trigger("Item/Move Items/Up"); }},
    {"Down", "Move Items Down", [](UndoWindow& w) { w.select({"A", "B"}); },
     [](UndoWindow& w) { w.trigger("Item/Move Items/Down"); }},
    {"Left", "Move Items Left", [](UndoWindow& w) { w.select({"A21"}); },
     [](UndoWindow& w) { w.trigger("Item/Move Items/Left"); }},
    {"Right", "Move Items Right", [](UndoWindow& w) { w.select({"B", "C"}); },
     [](UndoWindow& w) { w.trigger("Item/Move Items/Right"); }},
    {"Group Items", "Group Items", [](UndoWindow& w) { w.select({"A1", "C"}); },
     [](UndoWindow& w) { w.trigger("Item/Group Items"); }, true},
    {"Set Item Type", "Set Item Type", [](UndoWindow& w) { w.select({"A1", "B"}); },
     [](UndoWindow& w) { w.trigger("Item/Set Item Type/Folder"); }},
    {"the properties dialog's Ok", "Item Properties", [](UndoWindow& w) { w.select({"A21"}); },
     [](UndoWindow& w) { w.answerDialog("renamed"), w.trigger("Item/Show Item Info"); }},
    {"the right mouse button's properties dialog", "Item Properties", [](UndoWindow& w) { w.select({"B"}); },
     [](UndoWindow& w) { w.answerDialog("renamed"), w.form->LinksTreeMouseDown(Qt::RightButton); }},
    {"a name typed into the title box, stored by a focus move", "Rename Item", [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.form->TitleEdit()->setEditText("typed"), w.tree().setFocused(w.item("A")); }},
    {"a name typed into the title box, stored by its label", "Rename Item", [](UndoWindow& w) { w.select({"C"}); },
     [](UndoWindow& w) { w.form->TitleEdit()->setEditText("typed"), w.form->TitleRbPanelClick(); }},
    {"files dropped on the window", "Drop Files", [](UndoWindow& w) { w.select({"A2"}); },
     [](UndoWindow& w) { w.form->filesDropped({"/tmp/one.txt", "/tmp/two.txt"}); }},
    {"Add Link From Clipboard", "Add Link From Clipboard",
     [](UndoWindow& w) { w.select({"B"}), w.clipboard.content = "https://example.org/copied"; },
     [](UndoWindow& w) { w.answerDialog("copied"), w.trigger("Item/Import Items/Add Link From Clipboard"); }},
    {"Add Active Links", "Add Active Links",
     [](UndoWindow& w) {
         w.select({"A"});
         w.browserWindows.open.tabs = {{"https://example.org/1", "one"}, {"https://example.org/2", "two"}};
     },
     [](UndoWindow& w) { w.trigger("Item/Import Items/Add Active Links"); }},
    {"a file from the drive menu", "Get Local File Link", [](UndoWindow& w) { w.select({"C"}); },
     [](UndoWindow& w) {
         MenuEntry file;
         file.hint = "/tmp/chosen.txt";
         w.form->OpenFile(file);
     }},
    {"a drag within the outline", "Drag and Drop", [](UndoWindow& w) { w.select({"A1", "B"}); },
     [](UndoWindow& w) { w.dragSelectionOnto(w.form->linksTreeView(), w.item("C")); }, true},
    {"a drag onto the tag list with Shift, which moves", "Drag and Drop",
     [](UndoWindow& w) { addNamed(w.form->MarksTree(), nullptr, "tag"), w.select({"A2"}); },
     [](UndoWindow& w) {
         w.dragSelectionOnto(w.form->marksTreeView(), w.form->MarksTree().first(), Qt::ShiftModifier);
     }},
    {"files dragged from outside onto the outline add nothing", nullptr, nothing,
     [](UndoWindow& w) {
         QMimeData files;
         files.setUrls({QUrl::fromLocalFile("/tmp/outside.txt")});
         w.dropOnto(w.form->linksTreeView(), w.item("B"), files);
     }},
    {"launching an item only stamps it", nullptr, [](UndoWindow& w) { w.select({"A1"}); },
     [](UndoWindow& w) { w.trigger("Actions/Launch"); }},
    {"expanding, level views and selection are not steps", nullptr, nothing,
     [](UndoWindow& w) {
         w.trigger("Item/Show Levels/Level 1");
         w.trigger("Item/Selection/All");
         w.trigger("Item/Show Sub-Items/Collapse All");
     }},
};

TEST(UndoSteps, EveryChangeIsOneStepThatUndoAndRedoTakeToTheExactBytes) {
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.what);
        UndoWindow w;
        c.prepare(w);
        const Bytes before = w.bytes();
        c.command(w);
        const Bytes after = w.bytes();
        if (!c.step) {
            EXPECT_FALSE(w.form->undoHistory().canUndo());
            EXPECT_EQ(w.caption("Edit/Undo"), "Undo");
            EXPECT_FALSE(w.form->actionAt("Edit/Undo")->isEnabled());
            continue;
        }
        ASSERT_NE(before, after) << "the command changed nothing";
        EXPECT_EQ(w.caption("Edit/Undo"), std::string("Undo ") + c.step);
        EXPECT_EQ(w.form->undoHistory().undoCount(), 1u) << "one command is one step";
        // Where redo has expanded a branch to show a change, undo leaves it expanded: expansion is no step.
        auto same = [&c](const Bytes& shown, const Bytes& expected) {
            return c.redoShowsAHiddenChange ? collapsed(shown) == collapsed(expected) : shown == expected;
        };
        for (int round = 0; round < 2; ++round) {
            w.trigger("Edit/Undo");
            EXPECT_TRUE(same(w.bytes(), before))
                << "undo, round " << round << "\n" << described(w.bytes()) << "instead of\n" << described(before);
            EXPECT_EQ(w.caption("Edit/Redo"), std::string("Redo ") + c.step);
            EXPECT_FALSE(w.form->actionAt("Edit/Undo")->isEnabled());
            w.trigger("Edit/Redo");
            EXPECT_TRUE(same(w.bytes(), after))
                << "redo, round " << round << "\n" << described(w.bytes()) << "instead of\n" << described(after);
            EXPECT_FALSE(w.form->actionAt("Edit/Redo")->isEnabled());
        }
        for (const std::string& shown : w.dialogs.messages)
            EXPECT_THAT(shown, ::testing::Not(::testing::StartsWith("error:")));
    }
}

// The keys through the window's shortcuts, wherever the keyboard focus is: the outline and the side
// trees undo the collection, the title box and the address box undo their own typing.
TEST(UndoWindowCommands, KeysUndoTheCollectionInTheTreesAndTheTypingInTheBoxes) {
    UndoWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.select({"B"});
    QWidget* outline = w.form->linksTreeView();
    outline->setFocus();
    QTest::keyClick(outline, Qt::Key_D, Qt::ControlModifier);
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "C"));
    QTest::keyClick(outline, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C"));
    EXPECT_EQ(w.tree().focused(), w.item("B")) << "the focus the step had";
    EXPECT_THAT(names(w.tree().selectedNodes()), ElementsAre("B"));

    QWidget* tags = w.form->marksTreeView();
    tags->setFocus();
    QTest::keyClick(tags, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "C"));
    QTest::keyClick(tags, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C"));

    for (QComboBox* box : {w.form->TitleEdit(), w.form->AddressComboBox()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        const QString shown = box->currentText();
        QTest::keyClicks(box, "typed");
        EXPECT_EQ(box->currentText(), shown + "typed");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box->currentText(), shown) << "the box took back its typing";
        EXPECT_TRUE(w.form->undoHistory().canRedo()) << "the collection's redo step is still there";
    }
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C"));
}

TEST(UndoWindowCommands, TheToolStripButtonsAreGreyedUntilThereIsAStep) {
    UndoWindow w;
    auto* undo = w.form->findChild<QPushButton*>("Undo1ClickButton");
    auto* redo = w.form->findChild<QPushButton*>("Redo1ClickButton");
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    w.select({"A1"});
    w.trigger("Item/Move Items/Down");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(w.caption("Edit/Undo"), "Undo Move Items Down");
    undo->click();
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(w.caption("Edit/Redo"), "Redo Move Items Down");
    redo->click();
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A2", "    A21", "  A1", "B", "C"));
}

// A rename typed into the title box but not stored yet is the newest change: undo takes it back first.
TEST(UndoWindowCommands, UndoTakesBackARenameStillInTheTitleBoxAndShowsTheName) {
    UndoWindow w;
    w.select({"C"});
    w.trigger("Edit/Delete Items");
    w.select({"B"});
    w.form->TitleEdit()->setEditText("typed");
    w.trigger("Edit/Undo");
    EXPECT_EQ(w.item("B")->data.Name, "B");
    EXPECT_EQ(w.form->TitleEdit()->currentText(), "B");
    EXPECT_EQ(w.caption("Edit/Redo"), "Redo Rename Item");
    w.trigger("Edit/Undo");
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C"));
    EXPECT_EQ(w.form->TitleEdit()->currentText(), "C");
    w.tree().setFocused(w.item("A"));
    EXPECT_THAT(shape(w.tree()), ElementsAre("A", "  A1", "  A2", "    A21", "B", "C")) << "no stale title stored";
}

// The tag list is made of the top-level items: undo and redo of a change to them make it again,
// as the command made it.
TEST(UndoWindowCommands, TheTagListFollowsUndoAndRedoOfTopLevelItems) {
    UndoWindow w;
    EXPECT_THAT(shape(w.form->MarksTree()), ElementsAre("A", "B", "C"));
    w.answerDialog("D");
    w.trigger("Insert/Add Root Item");
    EXPECT_THAT(shape(w.form->MarksTree()), ElementsAre("A", "B", "C", "D"));
    w.trigger("Edit/Undo");
    EXPECT_THAT(shape(w.form->MarksTree()), ElementsAre("A", "B", "C"));
    w.trigger("Edit/Redo");
    EXPECT_THAT(shape(w.form->MarksTree()), ElementsAre("A", "B", "C", "D"));
}

TEST(UndoWindowCommands, OpeningAnotherCollectionStartsAnEmptyHistory) {
    UndoWindow w;
    w.select({"B"});
    w.trigger("Edit/Delete Items");
    w.trigger("File/Save");
    EXPECT_TRUE(w.form->actionAt("Edit/Undo")->isEnabled()) << "saving keeps the history";
    Outline other;
    addNamed(other, nullptr, "other");
    const std::string path = (w.scratch.path() / "Info" / "other.goto").string();
    const Bytes bytes = writeOutline(other);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    w.dialogs.fileAnswers = {path};
    w.trigger("File/Open");
    EXPECT_THAT(shape(w.tree()), ElementsAre("other"));
    EXPECT_FALSE(w.form->actionAt("Edit/Undo")->isEnabled());
    EXPECT_EQ(w.caption("Edit/Undo"), "Undo");
}

} // namespace
