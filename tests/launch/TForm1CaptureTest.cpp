// The main window's capture commands: the clipboard through the system clipboard (Qt's offscreen
// platform), the open browser windows and the web cache through recording services, and the
// commands without function.
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "fakes/RecordingBrowserWindows.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingHotKeyService.h"
#include "fakes/RecordingShell.h"
#include "fakes/RecordingTrayIcon.h"
#include "fakes/RecordingUrlCache.h"
#include "fakes/StoppedClock.h"
#include "support/ScratchProgramFolder.h"
#include "platform/qt/QtClipboard.h"
#include "support/TestOutlines.h"
#include "ui/TLinkPropForm.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A main window over a fresh program folder, its outline: A with child A1, and B; A focused.
struct CaptureWindow : ::testing::Test {
    ScratchProgramFolder scratch{"capture"};
    const fs::path& folder = scratch.path();
    RecordingDialogs dialogs;
    RecordingHotKeyService hotKeys;
    QtClipboard clipboard;
    RecordingShell shell;
    StoppedClock clock;
    RecordingTrayIcon tray;
    RecordingBrowserWindows browserWindows;
    RecordingUrlCache urlCache;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TLinkPropForm> propForm;
    std::vector<Node*> dialogItems;  // the item of every properties dialog that opened

    void SetUp() override {
        form = std::make_unique<TForm1>(
            scratch.programFolder(),
            TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray, browserWindows, urlCache});
        form->FormCreate();
        propForm = std::make_unique<TLinkPropForm>(form->LinksTree(), dialogs, hotKeys);
        form->setLinkPropForm(propForm.get());
        Outline& tree = form->LinksTree();
        tree.clear();
        Node* a = addNamed(tree, nullptr, "A");
        addNamed(tree, a, "A1");
        addNamed(tree, nullptr, "B");
        tree.setFocused(a);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        propForm.reset();
        form.reset();
    }
    // The next properties dialog is closed as it opens, after noting its item.
    void closeNextDialog() {
        QTimer::singleShot(0, propForm.get(), [this] {
            dialogItems.push_back(propForm->item());
            propForm->reject();
        });
    }
    Node* lastChildOfA() const {
        Node* a = form->LinksTree().first();
        return a->child(a->childCount() - 1);
    }
};

TEST_F(CaptureWindow, CtrlAltNMakesTheWholeTextOfSeveralLinesNameAndAddressAndOpensTheDialog) {
    const std::string text = "https://example.org/first\nsecond line\r\n\tthird";
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    closeNextDialog();
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("A", "  A1", "  " + text, "B"));
    Node* added = lastChildOfA();
    EXPECT_EQ(added->data.URL, text);
    EXPECT_EQ(added->data.ItemType, ItemType::Note);
    EXPECT_THAT(dialogItems, ElementsAre(added));
}

TEST_F(CaptureWindow, ABitmapOnlyClipboardGivesAnEmptyItemUnderTheFocusedItemAndTheDialog) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    closeNextDialog();
    form->actionAt("Item/Import Items/Add Link From Clipboard")->trigger();
    Node* added = lastChildOfA();
    LinkItem expected;
    expected.ItemType = ItemType::Note;
    EXPECT_EQ(added->data, expected) << "empty Name and URL";
    EXPECT_THAT(dialogItems, ElementsAre(added));
}

TEST_F(CaptureWindow, F2AddsEveryOpenTabUnderTheFocusedItemThenShowsAReadingError) {
    browserWindows.open.tabs = {{"https://one.example/", "One"}, {"https://two.example/", "Two"}};
    browserWindows.open.error = "The browser session file \"s\" cannot be read: it is encrypted.";
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("A", "  A1", "  One", "  Two", "B"));
    EXPECT_EQ(lastChildOfA()->data.URL, "https://two.example/");
    EXPECT_THAT(dialogs.messages, ElementsAre("error: The browser session file \"s\" cannot be read: it is encrypted."));
    EXPECT_THAT(dialogItems, IsEmpty()) << "no properties dialog";
}

TEST_F(CaptureWindow, TheCacheIsEmptiedSilentlyAndTheCommandsWithoutFunctionDoNothing) {
    urlCache.stored = {"/cache/a", "/cache/b"};
    form->actionAt("Service/Delete Temporary Internet Files")->trigger();
    EXPECT_THAT(urlCache.deletions, ElementsAre("/cache/a", "/cache/b"));
    EXPECT_THAT(urlCache.stored, IsEmpty());

    for (const char* handler : {"GetAllLinks1Click", "SavePage1Click", "AllLinks1Click"})
        form->actionFor(handler)->trigger();
    EXPECT_THAT(shape(form->LinksTree()), ElementsAre("A", "  A1", "B"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_EQ(browserWindows.asked, 0);
}

} // namespace
