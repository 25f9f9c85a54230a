// The main window's launch commands: handlers, keys, the address box and the browser switches.
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "fakes/RecordedWindowServices.h"
#include "support/ScratchProgramFolder.h"
#include "launch/BrowseSequences.h"
#include "support/TestOutlines.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

ShellRequest open(std::string file, std::string parameters = {}) {
    return {"open", std::move(file), std::move(parameters), {}};
}

// A main window over a fresh program folder, its outline: A (URL, set #1), B (Folder, set #2),
// C (URL, sets #3 and #4); A selected and focused.
struct LaunchWindow : ::testing::Test, RecordedWindowServices {
    ScratchProgramFolder scratch{"launch"};
    const fs::path& folder = scratch.path();
    std::unique_ptr<TForm1> form;
    Node *a = nullptr, *b = nullptr, *c = nullptr;

    void SetUp() override {
        form = std::make_unique<TForm1>(scratch.programFolder(), services());
        form->FormCreate();
        Outline& tree = form->LinksTree();
        tree.clear();
        a = item("A", ItemType::Url, "https://example.org/a", 1);
        b = item("B", ItemType::Folder, "/srv/b", 2);
        c = item("C", ItemType::Url, "https://example.org/c", 4 | 8);
        selectOnly(a);
    }
    void TearDown() override {
        form.reset();
    }
    Node* item(const std::string& name, std::int32_t type, const std::string& url, std::uint32_t sets) {
        Node* n = addNamed(form->LinksTree(), nullptr, name);
        n->data.ItemType = type;
        n->data.URL = url;
        n->data.Sets = sets;
        return n;
    }
    void selectOnly(Node* n) {
        form->LinksTree().clearSelection();
        form->LinksTree().setSelected(n, true);
        form->LinksTree().setFocused(n);
    }
    void forget() {
        shell.requests.clear();
        dialogs.messages.clear();
        clipboard.content.reset();
    }
    void trigger(const char* handler) { form->actionFor(handler)->trigger(); }
    std::vector<bool> checks() const {
        return {form->actionFor("UseEmbeddedBrowser1Click")->isChecked(),
                form->actionFor("UseMSIEBrowser1Click")->isChecked(), form->actionFor("AutoView1Click")->isChecked()};
    }
};

TEST_F(LaunchWindow, EveryLaunchHandlerReachesItsCommand) {
    struct Row {
        const char* handler;
        std::vector<ShellRequest> requests;
        std::vector<std::string> messages = {};
        std::optional<std::string> clipboard = std::nullopt;
    };
    const std::string body = "mailto: ?subject= &body=A https://example.org/a ### \n\r";
    const Row rows[] = {
        {"Browse_mp_Click", {open("https://example.org/a")}},
        {"BrowseIn1_mp_Click", {}},
        {"BrowseNext_mpClick", {open("/srv/b")}},
        {"BrowseInDefaultBrowser1Click", {open("IEXPLORE.EXE", " -new https://example.org/a")}},
        {"BrowseNextInternaly_mpClick", {}},
        {"BrowsePreviousInternaly_mpClick", {}, {"message: There was no node selected."}},
        {"BrowseSet1_mClick", {open("IEXPLORE.EXE", " -new https://example.org/a")}},
        {"BrowseSet2_mClick", {open("explorer.exe", "/n, /e,/srv/b")}},
        {"BrowseSet3_mClick", {open("IEXPLORE.EXE", " -new https://example.org/c")}},
        {"BrowseSet4_mClick", {open("IEXPLORE.EXE", " -new https://example.org/c")}},
        {"CopyURL1Click", {}, {}, "https://example.org/a"},
        {"EmailItems1Click", {open(body)}},
        {"RbButton2Click", {open("IEXPLORE.EXE", " -new https://example.org/c")}},
        {"RbButton16Click", {open("IEXPLORE.EXE", " -new www.google.com/search?q=C")}},
        {"GoogleSearch2Click", {open(kSearchHomePage)}},
        {"InternetExplorer1Click", {open("iexplore.exe")}},
        {"WindowsExplorer1Click", {open("explorer.exe")}},
        {"OpenAllLinks1Click", {}},
        {"Image2Click", {open(kPublisherSite)}},
        {"UseEmbeddedBrowser1Click", {}},
        {"UseMSIEBrowser1Click", {}},
        {"AutoView1Click", {}},
        {"EscapeCommand1Click", {}},
    };
    std::set<std::string> covered;
    for (const Row& row : rows) {
        selectOnly(a);
        form->AddressComboBox()->setEditText("C");
        forget();
        (form.get()->*TForm1::handlerNamed(row.handler))();
        EXPECT_EQ(shell.requests, row.requests) << row.handler;
        EXPECT_EQ(dialogs.messages, row.messages) << row.handler;
        EXPECT_EQ(clipboard.content, row.clipboard) << row.handler;
        covered.insert(row.handler);
    }
#define WENDELMOOR_LAUNCH_HANDLER_NAME(name) EXPECT_TRUE(covered.count(#name)) << #name << " has no row";
    WENDELMOOR_LAUNCH_HANDLERS(WENDELMOOR_LAUNCH_HANDLER_NAME)
#undef WENDELMOOR_LAUNCH_HANDLER_NAME
}

TEST_F(LaunchWindow, TheBrowserSwitchesShowTheirChecksAndChooseHowLaunchAndDoubleClickOpen) {
    const ShellRequest newWindow = open("IEXPLORE.EXE", " -new https://example.org/a");
    const ShellRequest asItIs = open("https://example.org/a");
    struct Case {
        std::vector<const char*> switches;
        std::vector<bool> checks; // embedded, Internet Explorer, automatic viewing
        std::vector<ShellRequest> launch, doubleClick;
    } cases[] = {
        {{}, {false, false, false}, {asItIs}, {newWindow}},
        {{"UseMSIEBrowser1Click"}, {false, true, false}, {asItIs}, {asItIs}},
        {{"UseEmbeddedBrowser1Click"}, {true, false, false}, {}, {}},
        {{"UseEmbeddedBrowser1Click", "UseMSIEBrowser1Click"}, {false, true, false}, {asItIs}, {asItIs}},
        {{"UseMSIEBrowser1Click", "UseEmbeddedBrowser1Click", "UseEmbeddedBrowser1Click"},
         {false, true, false},
         {newWindow},
         {newWindow}},
        {{"AutoView1Click"}, {false, false, true}, {asItIs}, {newWindow}},
        {{"AutoView1Click", "AutoView1Click"}, {false, false, false}, {asItIs}, {newWindow}},
    };
    for (const Case& c : cases) {
        form->state().browser = {};
        for (const char* handler : {"UseEmbeddedBrowser1Click", "UseMSIEBrowser1Click", "AutoView1Click"})
            form->actionFor(handler)->setChecked(false);
        std::string sequence;
        for (const char* handler : c.switches) {
            trigger(handler);
            sequence += std::string(handler) + " ";
        }
        EXPECT_EQ(checks(), c.checks) << sequence;
        forget();
        trigger("Browse_mp_Click");
        EXPECT_EQ(shell.requests, c.launch) << sequence;
        forget();
        form->LinksTreeDblClick();
        EXPECT_EQ(shell.requests, c.doubleClick) << sequence;
    }
}

TEST_F(LaunchWindow, ADoubleClickWithCtrlDownLaunchesNothingAndClearsTheFlag) {
    form->state().controlKeyHeld = true;
    form->LinksTreeDblClick();
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_FALSE(form->state().controlKeyHeld);
    form->LinksTreeDblClick();
    EXPECT_THAT(shell.requests, ElementsAre(open("IEXPLORE.EXE", " -new https://example.org/a")));
}

TEST_F(LaunchWindow, KeysAndTheAddressBoxReachTheLaunchesAndEscapeHidesTheWindow) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_F9, Qt::ShiftModifier);
    QTest::keyClick(form.get(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_THAT(shell.requests,
                ElementsAre(open("https://example.org/a"), open("IEXPLORE.EXE", " -new https://example.org/a"),
                            open("explorer.exe", "/n, /e,/srv/b")));

    forget();
    QLineEdit* box = form->AddressComboBox()->lineEdit();
    box->setFocus();
    QTest::keyClicks(box, "www.example.org");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "C");
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_THAT(shell.requests, ElementsAre(open("IEXPLORE.EXE", " -new www.example.org"),
                                            open("IEXPLORE.EXE", " -new https://example.org/c")));
    EXPECT_EQ(form->AddressComboBox()->count(), 0) << "the address box keeps no history";

    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_THAT(tray.calls, ElementsAre("hide"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

} // namespace
