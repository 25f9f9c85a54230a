// The window's side of the desktop: the command line, starting hidden, requests handed over by a
// second start, "Start With the Desktop", the tooltips and the tool column's pictures.
#include "app/CommandLine.h"
#include "app/TForm1.h"
#include "collection/FileIO.h"
#include "collection/NodeStream.h"
#include "fakes/RecordedWindowServices.h"
#include "fakes/RecordingAutostart.h"
#include "fakes/RecordingCollectionLock.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"
#include "ui/ToolPictures.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

TEST(CommandLine, OptionsFilesAndErrorsGiveTheirRequestsAndExitStatuses) {
    ScratchProgramFolder scratch("command-line");
    const QString folder = QString::fromStdString(scratch.path().string());
    writeFileSafely(scratch.path().string() + "/mine.goto", writeOutline(Outline()));
    struct Case {
        QStringList arguments;
        bool start;
        int status;
        QString collection; // the request's, relative to the folder
        bool hidden;
        const char* text; // found in what is printed: standard output when the status is 0
    };
    const Case cases[] = {
        {{}, true, 0, {}, false, ""},
        {{"--hidden"}, true, 0, {}, true, ""},
        {{"-platform", "offscreen", "--hidden"}, true, 0, {}, true, ""}, // Qt's own options pass
        {{folder + "/mine.goto"}, true, 0, "/mine.goto", false, ""},
        {{"--hidden", folder + "/mine.goto"}, true, 0, "/mine.goto", true, ""},
        {{"--help"}, false, 0, {}, false, "Usage: wendelmoor [options] [FILE.goto]"},
        {{"-h"}, false, 0, {}, false, "--hidden"},
        {{"--version"}, false, 0, {}, false, "Wendelmoor 0.1.2\n"},
        {{"--frobnicate"}, false, 2, {}, false, "wendelmoor: Unknown option 'frobnicate'."},
        {{folder + "/missing.goto"}, false, 2, {}, false, "missing.goto\" does not exist."},
        {{folder}, false, 2, {}, false, "is a folder, not a collection file."},
        {{folder + "/mine.goto", folder + "/mine.goto"}, false, 2, {}, false, "Only one collection can be opened"},
    };
    for (const Case& c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const CommandLineOutcome outcome = parseCommandLine(QStringList{"wendelmoor"} + c.arguments, "0.1.2");
        EXPECT_EQ(outcome.start, c.start) << name;
        EXPECT_EQ(outcome.exitStatus, c.status) << name;
        EXPECT_EQ(outcome.request.collection, c.collection.isEmpty() ? QString() : folder + c.collection) << name;
        EXPECT_EQ(outcome.request.hidden, c.hidden) << name;
        const QString& printed = c.status == 0 ? outcome.output : outcome.error;
        EXPECT_THAT(printed.toStdString(), HasSubstr(c.text)) << name;
        if (c.status == 2) {
            EXPECT_THAT(outcome.error.toStdString(), HasSubstr("Try \"wendelmoor --help\"")) << name;
        }
    }
}

TEST(CommandLine, TheBookmarkOptionsNameTheirFiles) {
    ScratchProgramFolder scratch("command-line");
    const QString folder = QString::fromStdString(scratch.path().string());
    writeFileSafely(scratch.path().string() + "/bookmarks.html", std::vector<std::uint8_t>{'<', 'p', '>'});
    const CommandLineOutcome import = parseCommandLine({"wendelmoor", "--import", folder + "/bookmarks.html"}, "1");
    EXPECT_TRUE(import.start);
    EXPECT_EQ(import.request.importFile, folder + "/bookmarks.html");
    const CommandLineOutcome exported = parseCommandLine({"wendelmoor", "--export", folder + "/out.html"}, "1");
    EXPECT_TRUE(exported.start);
    EXPECT_EQ(exported.request.exportFile, folder + "/out.html");
    struct Case {
        QStringList arguments;
        const char* error;
    };
    for (const Case& c : {Case{{"--import", folder + "/missing.html"}, "missing.html\" does not exist."},
                          Case{{"--import"}, "Missing value after '--import'"},
                          Case{{"--export"}, "Missing value after '--export'"}}) {
        const CommandLineOutcome outcome = parseCommandLine(QStringList{"wendelmoor"} + c.arguments, "1");
        EXPECT_FALSE(outcome.start);
        EXPECT_EQ(outcome.exitStatus, 2);
        EXPECT_THAT(outcome.error.toStdString(), HasSubstr(c.error));
    }
}

struct DesktopWindow : ::testing::Test, RecordedWindowServices {
    ScratchProgramFolder scratch{"desktop"};
    RecordingAutostart autostart;
    std::unique_ptr<TForm1> form;

    void start() {
        TForm1Services all = services();
        form = std::make_unique<TForm1>(scratch.programFolder(),
                                        TForm1Services{all.dialogs, all.hotKeys, all.clipboard, all.shell, all.clock,
                                                       all.tray, BrowserWindows::none(), UrlCache::none(), autostart});
        form->FormCreate();
    }
    std::string path(const std::string& name) const { return scratch.programFolder() + name; }
    static void collection(const std::string& path, const std::string& name) {
        Outline outline;
        addNamed(outline, nullptr, name);
        writeFileSafely(path, writeOutline(outline));
    }
    std::string firstName() {
        return std::string(std::string_view(form->LinksTree().root()->children().front()->data.Name));
    }
};

TEST_F(DesktopWindow, AnInstalledWindowTakesSkinsAndHelpFromTheShareFolderAndCollectionsFromTheDataFolder) {
    ScratchProgramFolder share("share");
    std::filesystem::copy_file(std::filesystem::path(WENDELMOOR_SKIN_DIR) / "orange.rbs", share.path() / "orange.rbs");
    collection(path("Info/listed.goto"), "listed");
    form = std::make_unique<TForm1>(AppFolders{share.programFolder(), scratch.programFolder()}, services());
    form->FormCreate();
    EXPECT_EQ(form->documents().currentPath(), path("links.goto"));
    ASSERT_EQ(form->DirTree().rootCount(), 1);
    EXPECT_EQ(std::string_view(form->DirTree().root()->children().front()->data.URL), path("Info/listed.goto"));

    const QString before = form->findChild<QWidget*>("RbPanel3")->styleSheet();
    form->actionAt("View/Skins/Orange")->trigger();
    EXPECT_NE(form->findChild<QWidget*>("RbPanel3")->styleSheet(), before) << "the skin was not found";
    form->TarvelinHelp1Click();
    EXPECT_THAT(shell.requests, ElementsAre(ShellRequest{"open", share.programFolder() + "index.html", "/n", ""}));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(DesktopWindow, AStartWithFileReadsItInsteadOfLinksGoto) {
    collection(path("links.goto"), "default");
    collection(path("Info/chosen.goto"), "chosen");
    TForm1Services all = services();
    form = std::make_unique<TForm1>(scratch.programFolder(), all);
    form->setStartCollection(path("Info/chosen.goto"));
    form->FormCreate();
    EXPECT_EQ(form->documents().currentPath(), path("Info/chosen.goto"));
    EXPECT_EQ(firstName(), "chosen");
}

TEST_F(DesktopWindow, AHiddenStartGoesIntoTheNotificationAreaAndAHandedOverShowBringsItBack) {
    start();
    form->startHidden();
    EXPECT_TRUE(form->trayFlag());
    form->HandOverRequest("show", "");
    EXPECT_FALSE(form->trayFlag());
    form->HandOverRequest("future-verb", "x"); // a later version's request: nothing happens
    EXPECT_THAT(tray.calls, ElementsAre("hide", "show"));

    tray.available = false; // without a notification area the window is only minimised
    form->startHidden();
    EXPECT_FALSE(form->trayFlag());
    EXPECT_EQ(tray.calls.back(), "minimize");
}

TEST_F(DesktopWindow, AHandedOverFileIsOpenedAndTheCollectionLeftIsSaved) {
    collection(path("other.goto"), "other");
    start();
    form->HandOverRequest("open", path("other.goto"));
    EXPECT_EQ(form->documents().currentPath(), path("other.goto"));
    EXPECT_EQ(firstName(), "other");
    EXPECT_TRUE(fileExists(path("links.goto"))); // saved as "Open" saves it
    EXPECT_EQ(form->OpenedFilePanel()->text().toStdString(), " " + path("other.goto"));

    // While a dialog is open (it may hold an item of the outline) the collection waits for it.
    collection(path("third.goto"), "third");
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    form->HandOverRequest("open", path("third.goto"));
    EXPECT_EQ(form->documents().currentPath(), path("other.goto"));
    dialog.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->documents().currentPath() == path("third.goto"); }));
    EXPECT_EQ(firstName(), "third");

    form->HandOverRequest("open", path("gone.goto"));
    EXPECT_THAT(dialogs.messages, ElementsAre(HasSubstr("gone.goto\" does not exist.")));
    EXPECT_EQ(form->documents().currentPath(), path("third.goto"));
}

TEST_F(DesktopWindow, AHandedOverImportAddsTheBookmarksAsOneUndoableStep) {
    const std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>Work</H3>\n<DL><p>\n"
                             "<DT><A HREF=\"https://example.org/\">Example</A>\n</DL><p>\n</DL>\n";
    writeFileSafely(path("Info/bookmarks.html"), std::vector<std::uint8_t>(html.begin(), html.end()));
    start();
    const int before = form->LinksTree().rootCount();
    form->HandOverRequest("import", path("Info/bookmarks.html"));
    ASSERT_EQ(form->LinksTree().rootCount(), before + 1);
    const Node* group = form->LinksTree().root()->children().back();
    EXPECT_THAT(std::string(std::string_view(group->data.Name)), HasSubstr("bookmarks.html"));
    EXPECT_THAT(dialogs.messages, ElementsAre(HasSubstr("Imported 1 bookmark")));
    form->Undo1Click();
    EXPECT_EQ(form->LinksTree().rootCount(), before);

    form->HandOverRequest("import", path("Info/gone.html"));
    EXPECT_EQ(form->LinksTree().rootCount(), before);
    EXPECT_THAT(dialogs.messages.back(), HasSubstr("gone.html"));
}

TEST_F(DesktopWindow, ACollectionAnotherProgramHoldsIsRefusedWithAMessageOnEveryRoad) {
    collection(path("Info/held.goto"), "held");
    RecordingCollectionLock locks;
    locks.heldElsewhere.insert(path("Info/held.goto"));
    TForm1Services all = services();
    form = std::make_unique<TForm1>(
        scratch.programFolder(), TForm1Services{all.dialogs, all.hotKeys, all.clipboard, all.shell, all.clock, all.tray,
                                                BrowserWindows::none(), UrlCache::none(), autostart, &locks});
    form->FormCreate();
    dialogs.fileAnswers.push_back(path("Info/held.goto"));
    form->Open2Click();
    form->HandOverRequest("open", path("Info/held.goto"));
    dialogs.fileAnswers.push_back(path("Info/held.goto"));
    form->SaveAs_mp_Click();
    const std::string refused =
        "error: The collection \"" + path("Info/held.goto") + "\" is open in another Wendelmoor (process 4242)";
    EXPECT_THAT(dialogs.messages, ElementsAre(HasSubstr(refused), HasSubstr(refused), HasSubstr(refused)));
    EXPECT_EQ(form->documents().currentPath(), path("links.goto"));
    EXPECT_EQ(firstName(), "");
    EXPECT_EQ(locks.calls.front(), "take " + path("links.goto"));
}

TEST_F(DesktopWindow, StartWithTheDesktopWritesAndRemovesTheEntryAndShowsWhetherItExists) {
    autostart.entry = true; // written in an earlier run
    start();
    QAction* entry = form->actionAt("Service/Start With the Desktop");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_TRUE(entry->isChecked());

    entry->trigger();
    EXPECT_FALSE(autostart.entry);
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());

    autostart.entry = false; // removed by hand meanwhile: the mark follows when the menu opens
    emit form->actionAt("Service")->menu()->aboutToShow();
    EXPECT_FALSE(entry->isChecked());

    autostart.failing = true;
    entry->trigger();
    EXPECT_FALSE(entry->isChecked());
    EXPECT_THAT(dialogs.messages, ElementsAre(HasSubstr("could not be written")));
    EXPECT_THAT(autostart.calls, ElementsAre("disable", "enable", "enable"));
}

TEST_F(DesktopWindow, EveryButtonNamesItsCommandAndKeyAndTheToolColumnShowsPicturesApart) {
    start();
    const QWidget* column = form->findChild<QWidget*>("TreeToolsPanel");
    ASSERT_NE(column, nullptr);
    std::set<QByteArray> pictures;
    const auto tools = column->findChildren<QToolButton*>();
    ASSERT_EQ(tools.size(), 16);
    for (const QToolButton* tool : tools) {
        const QString handler = tool->objectName().chopped(4); // "<handler>Tool"
        EXPECT_FALSE(tool->icon().isNull()) << handler.toStdString();
        const QImage image = drawnToolPicture(handler.toStdString()).pixmap(16, 16).toImage();
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        EXPECT_NE(tool->toolTip(), handler) << "the tooltip names the command, not the handler";
    }
    EXPECT_EQ(pictures.size(), 16u) << "two tool column buttons look alike";

    struct Case {
        const char* object;
        const char* toolTip;
    };
    for (const Case& c :
         {Case{"Up1ClickTool", "Up (Alt+Up)"}, Case{"DeleteLink_mpClickButton", "Delete Items (Ctrl+D)"},
          Case{"SpeedButton9ClickButton", "Show Item Info (Ctrl+Return)"}, Case{"Browse_mp_ClickButton", "Launch (F9)"},
          Case{"RbButton2ClickButton", "Go to the Address (Enter)"}}) {
        const QWidget* widget = form->findChild<QWidget*>(c.object);
        ASSERT_NE(widget, nullptr) << c.object;
        EXPECT_EQ(widget->toolTip().toStdString(), c.toolTip) << c.object;
    }
    for (const QAbstractButton* b : form->findChild<QWidget*>("PageControl3")->findChildren<QAbstractButton*>())
        if (b->objectName().endsWith("ClickButton")) { // the window's own, not the tab bar's arrows
            EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        }
}

} // namespace
