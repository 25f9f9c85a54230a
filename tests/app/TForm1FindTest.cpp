// The find bar and the quick launcher through the real window: typing, the list, showing and
// launching the chosen item, Esc, the launcher's global key and the settings file that keeps it.
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "editing/EditingFixtures.h"
#include "platform/qt/QtPreferences.h"
#include "support/WindowUnderTest.h"
#include "ui/FindBar.h"
#include "ui/FoundItemList.h"
#include "ui/OutlineView.h"
#include "ui/QuickLauncherBox.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A shown main window whose outline is
// Work (group, collapsed)
//   Tools (group, collapsed)
//     Compiler Explorer  https://godbolt.org
//     Zürich Wiki        https://wiki.example.ch
// Shopping (note)
// Radio One, Radio Two   https://one.example, https://two.example
struct FindWindow : ::testing::Test, WindowUnderTest {
    FindWindow() : WindowUnderTest("find") {}

    void SetUp() override { open(Preferences::none()); }

    void open(Preferences& preferences) {
        form = std::make_unique<TForm1>(scratch.programFolder(),
                                        TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray,
                                                       BrowserWindows::none(), UrlCache::none(), Autostart::none(), nullptr, preferences});
        form->setDrives(drives);
        form->FormCreate();
        propForm = std::make_unique<TLinkPropForm>(form->LinksTree(), dialogs, hotKeys);
        form->setLinkPropForm(propForm.get());
        form->showNormal();
        form->resize(900, 600);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Outline& t = tree();
        t.clear();
        build(t, {"Work", "  Tools", "    Compiler Explorer", "    Z\xC3\xBCrich Wiki", "Shopping", "Radio One",
                  "Radio Two"});
        t.forEach([](Node* n) { n->data.ItemType = n->childCount() ? ItemType::Group : ItemType::Url; });
        item("Shopping")->data.ItemType = ItemType::Note;
        item("Compiler Explorer")->data.URL = "https://godbolt.org";
        item("Z\xC3\xBCrich Wiki")->data.URL = "https://wiki.example.ch";
        item("Radio One")->data.URL = "https://one.example";
        item("Radio Two")->data.URL = "https://two.example";
        t.setExpanded(item("Work"), false);
        t.setExpanded(item("Tools"), false);
        links()->setFocus();
    }
    Outline& tree() { return form->LinksTree(); }
    OutlineView* links() { return form->findChild<OutlineView*>("LinksTree"); }
    Node* item(const std::string& name) { return named(tree(), name); }
    FindBar* bar() { return form->findBar(); }
    QLineEdit* findBox() { return bar()->box(); }

    // Ctrl+F in the outline, then the text typed key by key.
    void find(const QString& text) {
        QTest::keyClick(links(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(findBox(), text);
    }
    static std::vector<std::string> rows(const FoundItemList* list) {
        std::vector<std::string> shown;
        for (int i = 0; i < list->count(); ++i)
            shown.push_back(list->rowText(i).toStdString());
        return shown;
    }
    std::vector<std::string> launched() const {
        std::vector<std::string> files;
        for (const ShellRequest& r : shell.requests)
            files.push_back(r.file + r.parameters);
        return files;
    }
};

TEST_F(FindWindow, CtrlFOpensTheBarAndEveryKeyUpdatesTheList) {
    EXPECT_FALSE(bar()->isVisible());
    find("r");
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), findBox());
    EXPECT_THAT(rows(bar()->list()),
                ElementsAre("Radio One\nhttps://one.example", "Radio Two\nhttps://two.example", "Work\n",
                            "Compiler Explorer\nhttps://godbolt.org  \u00B7  Work \u203A Tools",
                            "Z\xC3\xBCrich Wiki\nhttps://wiki.example.ch  \u00B7  Work \u203A Tools"));
    EXPECT_EQ(bar()->countLabel()->text(), "5 items");
    QTest::keyClicks(findBox(), "adio tw");
    EXPECT_THAT(rows(bar()->list()), ElementsAre("Radio Two\nhttps://two.example"));
    EXPECT_EQ(bar()->countLabel()->text(), "1 item");
    QTest::keyClick(findBox(), Qt::Key_X);
    EXPECT_EQ(bar()->list()->count(), 0);
    EXPECT_EQ(bar()->countLabel()->text(), "No items found");
}

TEST_F(FindWindow, EnterShowsTheChosenItemInsideCollapsedAndHiddenBranchesAndGivesTheKeysToTheOutline) {
    tree().setVisible(item("Tools"), false); // as a level view hides it
    tree().setVisible(item("Z\xC3\xBCrich Wiki"), false);
    tree().setSelected(item("Shopping"), true);
    find("zurich");
    QTest::keyClick(findBox(), Qt::Key_Return);
    Node* wiki = item("Z\xC3\xBCrich Wiki");
    EXPECT_EQ(tree().focused(), wiki);
    EXPECT_THAT(tree().selectedNodes(), ElementsAre(wiki));
    EXPECT_TRUE(tree().isDisplayed(wiki));
    EXPECT_TRUE(links()->viewport()->rect().intersects(links()->visualRect(links()->outlineModel().indexOf(wiki))));
    EXPECT_EQ(QApplication::focusWidget(), links());
    EXPECT_TRUE(bar()->isVisible()) << "Enter keeps the bar; Esc closes it";

    // Down chooses the next match.
    findBox()->setFocus();
    findBox()->clear();
    QTest::keyClicks(findBox(), "radio");
    QTest::keyClick(findBox(), Qt::Key_Down);
    QTest::keyClick(findBox(), Qt::Key_Down); // stays on the last one
    QTest::keyClick(findBox(), Qt::Key_Enter);
    EXPECT_EQ(tree().focused(), item("Radio Two"));
    EXPECT_THAT(shell.requests, IsEmpty());
}

TEST_F(FindWindow, CtrlEnterLaunchesTheChosenItemAndKeepsTheBar) {
    find("godbolt");
    QTest::keyClick(findBox(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_THAT(launched(), ElementsAre("IEXPLORE.EXE -new https://godbolt.org"));
    EXPECT_EQ(std::string_view(item("Compiler Explorer")->data.AccessInfo), "Last visited: [08.12.2026] [01:13]");
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), findBox());
    EXPECT_FALSE(propForm->isVisible()) << "Ctrl+Enter is the box's key here, not \"Show Item Info\"";
}

TEST_F(FindWindow, EscClosesTheBarAndReturnsToTheOutlineWithoutHidingTheWindow) {
    find("radio");
    QTest::keyClick(findBox(), Qt::Key_Escape);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), links());
    EXPECT_THAT(tray.calls, IsEmpty());
    EXPECT_TRUE(form->isVisible());
    // And Ctrl+F again starts with the text typed before, selected.
    QTest::keyClick(links(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(findBox()->selectedText(), "radio");
}

TEST_F(FindWindow, AChangeToTheOutlineWhileTheBarIsOpenShowsAtTheNextKey) {
    find("radio");
    Node* added = tree().addChild(item("Tools"));
    added->data.Name = "Radio Three";
    added->data.URL = "https://three.example";
    item("Radio One")->data.Name = "Television";
    tree().recordChanged(item("Television"));
    QTest::keyClick(findBox(), Qt::Key_Space);
    EXPECT_THAT(rows(bar()->list()), ElementsAre("Radio Three\nhttps://three.example  \u00B7  Work \u203A Tools",
                                                 "Radio Two\nhttps://two.example"));
    // An item of the list deleted before Enter: the list is made again and nothing is shown or launched.
    tree().deleteNode(item("Radio Two"));
    QTest::keyClick(findBox(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_THAT(rows(bar()->list()), ElementsAre("Radio Three\nhttps://three.example  \u00B7  Work \u203A Tools"));
}

TEST_F(FindWindow, TheLauncherKeyOpensTheBoxEvenWithTheWindowHiddenAndEnterLaunches) {
    EXPECT_THAT(hotKeys.calls, testing::Contains("register 0xC020"));
    form->hide();
    hotKeys.press(kDefaultQuickLauncherKey);
    QuickLauncherBox* box = form->quickLauncher();
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    EXPECT_EQ(QApplication::focusWidget(), box->box());
    QTest::keyClicks(box->box(), "radio");
    EXPECT_EQ(box->list()->count(), 2);
    QTest::keyClick(box->box(), Qt::Key_Down);
    QTest::keyClick(box->box(), Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_THAT(launched(), ElementsAre("IEXPLORE.EXE -new https://two.example"));
    EXPECT_FALSE(form->isVisible());

    // Opened again, it starts empty, and the one launched last comes first among equals.
    hotKeys.press(kDefaultQuickLauncherKey);
    EXPECT_TRUE(box->box()->text().isEmpty());
    QTest::keyClicks(box->box(), "radio");
    EXPECT_THAT(rows(box->list()), ElementsAre("Radio Two\nhttps://two.example", "Radio One\nhttps://one.example"));
    QTest::keyClick(box->box(), Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(FindWindow, TheLauncherBoxClosesWhenAnotherWindowTakesTheFocus) {
    hotKeys.press(kDefaultQuickLauncherKey);
    QuickLauncherBox* box = form->quickLauncher();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_FALSE(box->isVisible());
    EXPECT_THAT(shell.requests, IsEmpty());
}

TEST_F(FindWindow, TheChosenLauncherKeyIsKeptInTheSettingsFileUnderTheConfigurationFolder) {
    const std::string config = (scratch.path() / "config").string();
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    QtPreferences preferences(QtPreferences::userFile());
    saved ? ::setenv("XDG_CONFIG_HOME", before.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(preferences.file(), config + "/wendelmoor/wendelmoor.conf");

    close();
    open(preferences);
    std::vector<std::string> asked;
    form->setQuickLauncherKeyQuestion([&](const std::string& current) {
        asked.push_back(current);
        return std::optional<std::string>("Ctrl+Alt+F8");
    });
    form->actionAt("Service/Quick Launcher Key\u2026")->trigger();
    EXPECT_THAT(asked, ElementsAre("Ctrl+Alt+Space"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
    QFile file(QString::fromStdString(preferences.file()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_THAT(file.readAll().toStdString(), testing::HasSubstr("[QuickLauncher]\nKey=Ctrl+Alt+F8"));

    // The next start reads it: that key opens the box, the default one no longer does.
    close();
    hotKeys.calls.clear();
    open(preferences);
    EXPECT_THAT(hotKeys.calls, testing::Contains("register 0xC077"));
    hotKeys.press(kDefaultQuickLauncherKey);
    EXPECT_FALSE(form->quickLauncher()->isVisible());
    hotKeys.press(kHotKeyCtrl | kHotKeyAlt | 0x77);
    EXPECT_TRUE(form->quickLauncher()->isVisible());
}

TEST_F(FindWindow, TheKeyDialogWritesDownACombinationPressedInItsBox) {
    std::string shownFirst;
    QTimer::singleShot(0, form.get(), [&] {
        auto* dialog = form->findChild<QDialog*>("QuickLauncherKeyDialog");
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QLineEdit*>("QuickLauncherKeyBox");
        shownFirst = box->text().toStdString();
        QTest::keyClick(box, Qt::Key_F8, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Shift, Qt::ShiftModifier); // a modifier alone changes nothing
        dialog->accept();
    });
    form->actionAt("Service/Quick Launcher Key\u2026")->trigger();
    EXPECT_EQ(shownFirst, "Ctrl+Alt+Space");
    EXPECT_EQ(form->quickLauncherKey().text(), "Ctrl+Alt+F8");
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(FindWindow, ARefusedLauncherKeyGetsTheWarningAndTheProgramWorksOn) {
    hotKeys.heldElsewhere.insert(kHotKeyCtrl | kHotKeyAlt | 0x77);
    form->setQuickLauncherKeyQuestion([](const std::string&) { return std::optional<std::string>("Ctrl+Alt+F8"); });
    form->actionAt("Service/Quick Launcher Key\u2026")->trigger();
    EXPECT_THAT(dialogs.messages,
                ElementsAre("warning: Ctrl+Alt+F8 is already used\rand therefore couldn't be assigned to a hotkey."));
    hotKeys.press(kDefaultQuickLauncherKey);
    EXPECT_TRUE(form->quickLauncher()->isVisible()) << "the old key stays";
}

} // namespace
