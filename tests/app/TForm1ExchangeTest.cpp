// "File" > "Import Bookmarks…" and "Export Bookmarks…" in the assembled window, their dialogs
// answered as a user would.
#include "exchange/BookmarkImport.h"
#include "fakes/RecordingBrowserWindows.h"
#include "support/WindowUnderTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <fstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr const char* kChromiumBookmarks = R"json({"roots": {"bookmark_bar": {"children": [
    {"name": "News", "type": "url", "url": "https://news.example/"},
    {"name": "Known", "type": "url", "url": "https://known.example/"}],
    "name": "Bookmarks bar", "type": "folder"}}, "version": 1})json";

struct BookmarkMenus : ::testing::Test {
    WindowUnderTest window{"bookmark-menus"};
    RecordingBrowserWindows browsers;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        const std::string profile = window.scratch.programFolder() + "Bookmarks";
        std::ofstream(profile) << kChromiumBookmarks;
        browsers.bookmarks = {{"Chromium (Default)", profile}};
        WindowUnderTest& w = window;
        form = std::make_unique<TForm1>(window.scratch.programFolder(),
                                        TForm1Services{w.dialogs, w.hotKeys, w.clipboard, w.shell, w.clock, w.tray, browsers});
        form->FormCreate();
        Node* known = form->LinksTree().first();
        known->data.ItemType = 1;
        known->data.Name = "Known";
        known->data.URL = "https://known.example";
    }
    void TearDown() override { form.reset(); }

    // Answers the next modal dialog with `answer` once it is shown.
    template <class Answer> void whenShown(Answer answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
    std::vector<std::string> topNames() const {
        std::vector<std::string> names;
        for (const Node* n : form->LinksTree().root()->children())
            names.emplace_back(std::string_view(n->data.Name));
        return names;
    }
};

} // namespace

TEST_F(BookmarkMenus, ImportOffersTheProfilesAndAFileAndAddsTheChosenOne) {
    std::vector<std::string> rows;
    whenShown([&rows](QDialog& dialog) {
        auto* sources = dialog.findChild<QListWidget*>("sources");
        for (int i = 0; i < sources->count(); ++i)
            rows.push_back(sources->item(i)->text().toStdString());
        sources->setCurrentRow(0);
        dialog.accept();
    });
    form->actionAt("File/Import Bookmarks…")->trigger();
    EXPECT_THAT(rows, ElementsAre("Chromium (Default)", "Bookmarks file…"));
    EXPECT_THAT(topNames(), ElementsAre("Known", "Chromium (Default) " + todayText()));
    EXPECT_THAT(window.dialogs.messages,
                ElementsAre("message: Imported 1 bookmark in 1 folder; 1 already in the collection."));
    // The tag list's group view lists the new group.
    EXPECT_EQ(form->MarksTree().rootCount(), 2);
}

TEST_F(BookmarkMenus, ImportFromAChosenFileKeepsDuplicatesWhenAskedTo) {
    const std::string file = window.scratch.programFolder() + "Info/export.json";
    std::ofstream(file) << kChromiumBookmarks;
    window.dialogs.fileAnswers.push_back(file);
    whenShown([](QDialog& dialog) {
        auto* sources = dialog.findChild<QListWidget*>("sources");
        sources->setCurrentRow(sources->count() - 1);
        dialog.findChild<QCheckBox*>("leaveOutKnown")->setChecked(false);
        dialog.accept();
    });
    form->actionAt("File/Import Bookmarks…")->trigger();
    EXPECT_THAT(topNames(), ElementsAre("Known", "Chromium bookmarks export.json " + todayText()));
    EXPECT_THAT(window.dialogs.messages, ElementsAre("message: Imported 2 bookmarks in 1 folder."));
}

TEST_F(BookmarkMenus, ExportWritesTheSelectedItemsOnlyWhenTicked) {
    Outline& tree = form->LinksTree();
    Node* other = tree.addChild(nullptr);
    other->data.ItemType = 1;
    other->data.Name = "Other";
    other->data.URL = "https://other.example/";
    tree.setSelected(other, true);
    const std::string path = window.scratch.programFolder() + "Info/out.html";
    whenShown([&path](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("selectedOnly")->isChecked());
        dialog.findChild<QLineEdit*>("path")->setText(QString::fromStdString(path));
        dialog.accept();
    });
    form->actionAt("File/Export Bookmarks…")->trigger();
    std::ifstream in(path);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_THAT(html, HasSubstr("<DT><A HREF=\"https://other.example/\">Other</A>"));
    EXPECT_EQ(html.find("known.example"), std::string::npos);
    EXPECT_THAT(window.dialogs.messages, ElementsAre("message: Exported 1 bookmark in 0 folders."));
}
