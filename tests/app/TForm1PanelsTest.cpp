// The window's layouts, skins, tips, timer and help commands, through its handlers and menus.
#include "app/TForm1.h"
#include "fakes/RecordedWindowServices.h"
#include "support/ScratchProgramFolder.h"
#include "panels/SkinFile.h"
#include "panels/Tips.h"
#include "support/TestOutlines.h"
#include "ui/OutlineView.h"
#include "ui/TAboutForm.h"
#include "ui/TRbStyleManager.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Colours drawn near the end of a gradient: within a few steps of it.
bool near(const QColor& drawn, const QColor& wanted) {
    return std::abs(drawn.red() - wanted.red()) <= 12 && std::abs(drawn.green() - wanted.green()) <= 12 &&
           std::abs(drawn.blue() - wanted.blue()) <= 12;
}

struct PanelsFixture : ::testing::Test, RecordedWindowServices {
    ScratchProgramFolder scratch{"look"};
    const fs::path& folder = scratch.path();
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        form = std::make_unique<TForm1>(scratch.programFolder(), services());
        form->FormCreate();
        form->resize(739, 527);
    }
    void TearDown() override {
        form.reset();
    }
    void writeFile(const std::string& name, const std::string& text) { std::ofstream(folder / name) << text; }
    QWidget* widget(const char* name) const { return form->findChild<QWidget*>(name); }
    // The colour drawn at the middle of a control's bottom edge.
    QColor bottomColour(const char* name) const {
        QWidget* w = widget(name);
        if (!w)
            return {};
        const QImage image = w->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() - 2);
    }
    std::vector<QString> styleSheets() const {
        std::vector<QString> sheets;
        for (const char* name : {"RbPanel3", "TipPanel", "PageControl3", "RbSplitter2", "Browse_mp_ClickButton"})
            sheets.push_back(widget(name)->styleSheet());
        return sheets;
    }
};

} // namespace

TEST_F(PanelsFixture, AGoodSkinRestylesPanelsButtonsSplittersAndTheToolStrip) {
    const std::vector<QString> before = styleSheets();
    for (const QString& sheet : before)
        EXPECT_FALSE(sheet.isEmpty()) << "the built-in style is applied at start-up";
    fs::copy_file(fs::path(WENDELMOOR_SKIN_DIR) / "orange.rbs", folder / "orange.rbs");
    form->actionAt("View/Skins/Orange")->trigger();

    EXPECT_TRUE(dialogs.messages.empty());
    const std::vector<QString> after = styleSheets();
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_NE(after[i], before[i]) << i;
    TRbStyleManager* styles = form->RbStyleManager1();
    ASSERT_NE(styles, nullptr);
    const QColor gradientEnd = TRbStyleManager::color(styles->style().Colors.DefaultTo);
    EXPECT_TRUE(near(bottomColour("RbPanel3"), gradientEnd)) << "the status line ends in the skin's colour";
    EXPECT_TRUE(near(bottomColour("OpenedFilePanel"), gradientEnd));
}

TEST_F(PanelsFixture, AMissingSkinChangesNothingAndSaysNothing) {
    const std::vector<QString> before = styleSheets();
    for (const char* skin : {"Orange", "Chrome_White", "VitaminC", "White_Pink", "Pastel_Blue", "XP_Colors",
                             "Pastel_Green", "Default_blue"})
        form->actionAt(std::string("View/Skins/") + skin)->trigger();
    EXPECT_EQ(styleSheets(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelsFixture, ASkinWithoutKeysShowsTheErrorAndKeepsTheLook) {
    writeFile("XP_Colors.rbs", "[RbControls]\n; nothing here\n");
    const std::vector<QString> before = styleSheets();
    form->XPColors1Click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{std::string("error: ") + kSkinFileInvalid});
    EXPECT_EQ(styleSheets(), before);
}

TEST_F(PanelsFixture, TheSkinsFontHeightIsInPixelsWrittenNegativeOrPositive) {
    for (int height : {-13, 15}) {
        writeFile("orange.rbs", "[RbControls]\nTFontNHeight=" + std::to_string(height) + "\n");
        form->Orange1Click();
        EXPECT_EQ(widget("RbPanel3")->font().pixelSize(), std::abs(height));
    }
}

TEST_F(PanelsFixture, ManualAndAutoplayedTipsShareOnePositionAndWrap) {
    EXPECT_TRUE(form->actionFor("AutoplayTips1Click")->isChecked());
    form->actionFor("ShowNextTip1Click")->trigger();           // tip 1
    form->Timer1Timer();                                       // tip 2, autoplayed
    form->actionFor("ShowNextTip1Click")->trigger();           // tip 3
    EXPECT_EQ(form->TipPanel2()->text().toStdString(), std::string("Tip #3: ") + kTips[2]);
    form->Timer1Timer();
    form->Timer1Timer();
    form->Timer1Timer();                                       // the sixth shows tip 1 again
    EXPECT_EQ(form->TipPanel2()->text().toStdString(), std::string("Tip #1: ") + kTips[0]);

    form->actionFor("AutoplayTips1Click")->trigger();          // unchecked: the timer shows no tip
    form->Timer1Timer();
    EXPECT_EQ(form->TipPanel2()->text().toStdString(), std::string("Tip #1: ") + kTips[0]);
}

TEST_F(PanelsFixture, TheTimerRemindsAndLaunchesThroughTheWindowsServices) {
    EXPECT_EQ(form->Timer1()->interval(), 2000);
    EXPECT_TRUE(form->Timer1()->isActive());
    Outline& tree = form->LinksTree();
    Node* group = addNamed(tree, nullptr, "Work");
    Node* due = addNamed(tree, group, "Daily report");
    due->data.ItemType = 1;
    due->data.URL = "https://example.org/report";
    due->data.Time = "09:30";
    due->data.Remind = "+";
    due->data.Execute = "+";
    tree.setExpanded(group, false);
    clock.time = "09:30:04";
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(tray.calls, std::vector<std::string>{"balloon Notification:|Daily report is about to be opened|10"});
    const ShellRequest browser{"open", "IEXPLORE.EXE", " -new https://example.org/report", ""};
    EXPECT_EQ(shell.requests, std::vector<ShellRequest>{browser});
    EXPECT_EQ(due->data.Fired, 255);
}

TEST_F(PanelsFixture, LayoutsShowAndHideTheSplitterAndTheOutline) {
    form->show();
    QSplitter* splitter = form->findChild<QSplitter*>("RbSplitter2");
    OutlineView* outline = form->linksTreeView();
    struct Row {
        const char* handler;
        bool splitter, centre, outline;
    };
    for (const Row& row : {Row{"NoteEdit1Click", false, true, false}, Row{"Outliner1Click", false, true, true},
                           Row{"Normal1Click", true, true, true}}) {
        (form.get()->*TForm1::handlerNamed(row.handler))();
        EXPECT_EQ(splitter->handle(1)->isVisible(), row.splitter) << row.handler;
        EXPECT_EQ(widget("Panel1")->isVisible(), row.centre) << row.handler;
        EXPECT_EQ(outline->isVisible(), row.outline) << row.handler;
        EXPECT_TRUE(widget("PageControl1")->isVisible()) << "no layout touches the side panel";
    }
}

TEST_F(PanelsFixture, HelpAndWelcomePagesOpenFromTheProgramFolder) {
    const std::string base = folder.string() + "/";
    form->TarvelinHelp1Click();
    form->WelcomeUser_mClick();                      // browser choice 0: a new browser window
    form->state().browser.choice = 1;                // the embedded view: nothing
    form->WelcomeUser_mClick();
    form->state().browser.choice = 2;                // the desktop's default handler
    form->WelcomeUser_mClick();
    const std::vector<ShellRequest> expected = {
        {"open", base + "index.html", "/n", ""},
        {"open", "IEXPLORE.EXE", " -new " + base + "Help/welcome.html", ""},
        {"open", base + "Help/welcome.html", "", ""},
    };
    EXPECT_EQ(shell.requests, expected);
}

TEST_F(PanelsFixture, TheAboutBoxShowsTheVersionAndClosesWithOk) {
    TAboutForm about("4.5.6", form->RbStyleManager1(), form.get());
    form->setAboutForm(&about);
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(355, 307));
    EXPECT_TRUE(about.versionPanel()->text().contains("4.5.6"));
    QTimer::singleShot(0, &about, [&about] { about.findChild<QPushButton*>("RbButton1")->click(); });
    form->About1Click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
