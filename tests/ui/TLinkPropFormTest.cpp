#include "ui/TLinkPropForm.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingHotKeyService.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

namespace {

const QDate kToday(2024, 2, 29);

// Counts the record changes the outline announces.
struct RecordChanges : OutlineListener {
    std::vector<Node*> nodes;
    void recordChanged(Node* node) override { nodes.push_back(node); }
};

// Every text field with its box. HotKeyEdit is read-only for the user; the dialog writes it.
struct TextBox {
    const char* name;
    ItemText LinkItem::*field;
    bool memo = false;
};
const TextBox kTextBoxes[] = {
    {"NameEdit", &LinkItem::Name, true},
    {"UrlEdit", &LinkItem::URL},
    {"ParamsEdit", &LinkItem::Params},
    {"DirEdit", &LinkItem::Dir},
    {"TimeEdit", &LinkItem::Time},
    {"ContactEdit", &LinkItem::Contact},
    {"EmailEdit", &LinkItem::Email},
    {"Keyword1Edit", &LinkItem::Keyword1},
    {"Keyword2Edit", &LinkItem::Keyword2},
    {"Keyword3Edit", &LinkItem::Keyword3},
    {"Keyword4Edit", &LinkItem::Keyword4},
    {"Keyword5Edit", &LinkItem::Keyword5},
    {"NoteEdit", &LinkItem::Note, true},
    {"HotKeyEdit", &LinkItem::HotKey},
    {"LoginEdit", &LinkItem::Login},
    {"PasswordEdit", &LinkItem::Password},
    {"AccessInfoEdit", &LinkItem::AccessInfo},
};

struct ChoiceBox {
    const char* name;
    std::int32_t LinkItem::*field;
    int entries;
};
const ChoiceBox kChoiceBoxes[] = {
    {"ComboBox1", &LinkItem::ItemType, 13},
    {"ComboBox2", &LinkItem::User, 5},
    {"ComboBox3", &LinkItem::Priority, 6},
    {"PeriodicityComboBox", &LinkItem::Periodicity, 5},
};

// A record with every field set, each to a value of its own.
LinkItem everyField() {
    LinkItem r;
    r.Name = "Title\r\nsecond line";
    r.Text = "clipboard text";
    r.URL = "https://example.org/a?b=c";
    r.HotKey = "Ctrl+Alt+Home";
    r.Params = "--flag value";
    r.ItemType = 4;
    r.User = 3;
    r.Priority = 5;
    r.Sets = 0x25;
    r.Remind = "+";
    r.Execute = "";
    r.Time = "09:05";
    r.Reserved = "reserved";
    r.Year = 2021;
    r.Month = 12;
    r.Day = 31;
    r.Periodicity = 2;
    r.WeekDays = 0x80 | 0x41;
    r.Fired = 255;
    r.Dir = "/home/u/work";
    r.AccessInfo = "Last visited: [1/2/2023] [10:11]";
    r.Note = "note\r\n\r\nafter a blank line";
    r.Login = "login";
    r.Password = "secret";
    r.Color = 0x123456;
    r.BkColor = 0xFEDCBA;
    r.Contact = "Contact Person";
    r.Email = "person@example.org";
    r.Keyword1 = "k1";
    r.Keyword2 = "k2";
    r.Keyword3 = "k3";
    r.Keyword4 = "k4";
    r.Keyword5 = "k5";
    return r;
}

class TLinkPropFormTest : public ::testing::Test {
protected:
    TLinkPropFormTest() {
        form.setToday([] { return kToday; });
        outline.addListener(&changes);
    }
    ~TLinkPropFormTest() override { outline.removeListener(&changes); }

    template <class W> W* control(const char* name) {
        auto* w = form.findChild<W*>(QString::fromLatin1(name));
        if (!w)
            throw std::runtime_error(std::string("no control ") + name);
        return w;
    }
    Node* itemWith(const LinkItem& record) {
        Node* n = outline.addChild(nullptr);
        n->data = record;
        return n;
    }
    QString boxText(const TextBox& box) {
        return box.memo ? control<QPlainTextEdit>(box.name)->toPlainText() : control<QLineEdit>(box.name)->text();
    }
    void setBoxText(const TextBox& box, const QString& text) {
        if (box.memo)
            control<QPlainTextEdit>(box.name)->setPlainText(text);
        else
            control<QLineEdit>(box.name)->setText(text);
    }
    void chooseKey(const QString& name) {
        auto* keys = control<QComboBox>("HotComboBox");
        keys->setCurrentIndex(keys->findText(name));
        ASSERT_GE(keys->currentIndex(), 0) << name.toStdString();
    }
    void setModifiers(bool ctrl, bool shift, bool alt, bool win) {
        control<QCheckBox>("CtrlCheckBox")->setChecked(ctrl);
        control<QCheckBox>("ShiftCheckBox")->setChecked(shift);
        control<QCheckBox>("AltCheckBox")->setChecked(alt);
        control<QCheckBox>("WinCheckBox")->setChecked(win);
    }

    Outline outline;
    RecordChanges changes;
    RecordingDialogs dialogs;
    RecordingHotKeyService hotKeys;
    TLinkPropForm form{outline, dialogs, hotKeys};
};

TEST_F(TLinkPropFormTest, IsAToolWindowWithTwoTabsAnOkButtonAndTheCaptionsOfEveryControl) {
    EXPECT_EQ(form.windowTitle(), "LinkPropForm");
    EXPECT_EQ(form.size(), QSize(481, 458));
    EXPECT_EQ(form.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    auto* tabs = form.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Link");
    EXPECT_EQ(tabs->tabText(1), "Keywords/Sets");

    QStringList buttons;
    for (auto* b : form.findChildren<QPushButton*>())
        if (!b->text().isEmpty())
            buttons << b->text();
    EXPECT_THAT(buttons, testing::UnorderedElementsAre("  Ok", "Assign"));

    QStringList captions;
    for (auto* l : form.findChildren<QLabel*>())
        captions << l->text();
    for (auto* c : form.findChildren<QCheckBox*>())
        captions << c->text();
    for (auto* g : form.findChildren<QGroupBox*>())
        captions << g->title();
    EXPECT_THAT(captions, IsSupersetOf({"  Item information",
                                        "Name of the resourse (URL page title)",
                                        "URL - enter the full address here",
                                        "Type of the link - choose one",
                                        "User/master  - choose one",
                                        "Priority - choose one",
                                        "Parameters (for applications)",
                                        "Directory",
                                        "Remind",
                                        "Execute",
                                        "Mo",
                                        "Tu",
                                        "We",
                                        "Th",
                                        "Fr",
                                        "Sa",
                                        "Su",
                                        "Contact",
                                        "Email",
                                        "Keywords and Sets",
                                        "Keywords",
                                        "Set #1",
                                        "Set #2",
                                        "Set #3",
                                        "Set #4",
                                        "Comments (place any notes here)",
                                        "Color",
                                        "BkColor",
                                        "Current HotKey",
                                        "Try to assign another HotKey",
                                        "Ctrl",
                                        "Shift",
                                        "Alt",
                                        "Win",
                                        "Key:",
                                        "Login",
                                        "Password",
                                        "Last Access Info"}));

    auto entries = [&](const char* name) {
        QStringList list;
        auto* combo = control<QComboBox>(name);
        EXPECT_TRUE(combo->isEditable()) << name;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    };
    EXPECT_THAT(entries("ComboBox1"),
                ElementsAre("Group", "URL", "Folder", "File", "Application", "Google Search", "WebContent", "Email",
                            "Note", "Warning", "Print Job", "Autofill", "CopyText"));
    EXPECT_THAT(entries("ComboBox2"), ElementsAre("AllUsers", "User #1", "User #2", "User #3", "User #4"));
    EXPECT_THAT(entries("ComboBox3"), ElementsAre("None", "High", "Prio #1", "Prio #2", "Prio #3", "Low/Undefined"));
    EXPECT_THAT(entries("PeriodicityComboBox"), ElementsAre("None", "Once", "Everyday", "Every month", "Every year"));

    EXPECT_TRUE(control<QDateEdit>("DatePicker1")->calendarPopup());
    EXPECT_TRUE(control<QLineEdit>("HotKeyEdit")->isReadOnly());
    EXPECT_EQ(control<QLineEdit>("PasswordEdit")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(control<QCheckBox>("CtrlCheckBox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("ShiftCheckBox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("AltCheckBox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("WinCheckBox")->isChecked());
}

TEST_F(TLinkPropFormTest, KeyListOffersTheNamedKeysOfTheListedCodesInOrderFirstOneChosen) {
    auto* keys = control<QComboBox>("HotComboBox");
    EXPECT_FALSE(keys->isEditable());
    EXPECT_EQ(keys->maxVisibleItems(), 12);
    EXPECT_EQ(keys->currentIndex(), 0);
    QStringList texts;
    std::vector<int> codes;
    for (int i = 0; i < keys->count(); ++i) {
        texts << keys->itemText(i);
        codes.push_back(form.potentialKey(i)->code());
    }
    EXPECT_EQ(form.potentialKey(-1), nullptr);
    EXPECT_EQ(form.potentialKey(keys->count()), nullptr);
    // 8, 9, 13, then from 20: codes without a name (21..26, 28..31, 41..43, 47, ...) are skipped, and
    // the modifiers and Pause (16..19) lie outside the listed codes.
    EXPECT_THAT(texts.mid(0, 12), ElementsAre("Backspace", "Tab", "Enter", "Caps Lock", "Esc", "Space", "Page Up",
                                              "Page Down", "End", "Home", "Left", "Up"));
    EXPECT_THAT(std::vector<int>(codes.begin(), codes.begin() + 12),
                ElementsAre(8, 9, 13, 20, 27, 32, 33, 34, 35, 36, 37, 38));
    EXPECT_THAT(texts.mid(texts.indexOf("F24"), 4), ElementsAre("F24", "Num Lock", "Scroll Lock", ";"));
    EXPECT_THAT(texts.mid(texts.size() - 4), ElementsAre("[", "\\", "]", "'"));
    EXPECT_EQ(keys->count(), 105);
    EXPECT_FALSE(texts.contains(""));
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
}

TEST_F(TLinkPropFormTest, TheKeyListDropsDownTwelveRows) {
    auto* keys = control<QComboBox>("HotComboBox");
    form.show();
    keys->showPopup();
    const QAbstractItemView* list = keys->view();
    const int rowHeight = list->sizeHintForRow(0);
    ASSERT_GT(rowHeight, 0);
    EXPECT_EQ(list->viewport()->height() / rowHeight, 12);
    keys->hidePopup();
}

TEST_F(TLinkPropFormTest, OkWithoutChangesLeavesEveryFieldAsItWas) {
    Node* n = itemWith(everyField());
    QSignalSpy stored(&form, &TLinkPropForm::nameStored);
    ASSERT_TRUE(form.fill(n));
    EXPECT_EQ(form.item(), n);
    form.OkLinkPropBtnClick();
    EXPECT_EQ(n->data, everyField());
    EXPECT_THAT(changes.nodes, ElementsAre(n));
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(stored.at(0).at(0).value<Node*>(), n);
    EXPECT_EQ(form.item(), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TLinkPropFormTest, ShowsEachTextFieldInItsBoxAndStoresWhatIsTypedThereAsUtf8) {
    LinkItem record;
    for (const TextBox& box : kTextBoxes)
        record.*box.field = std::string("was ") + box.name;
    record.Name = "first\r\nsecond";
    Node* n = itemWith(record);
    ASSERT_TRUE(form.fill(n));
    for (const TextBox& box : kTextBoxes) {
        const QString expected = box.field == &LinkItem::Name ? "first\nsecond" : QString("was ") + box.name;
        EXPECT_EQ(boxText(box), expected) << box.name;
        setBoxText(box, QString::fromUtf8("typed ü ") + box.name + (box.memo ? "\nline" : ""));
    }
    form.OkLinkPropBtnClick();
    for (const TextBox& box : kTextBoxes)
        EXPECT_EQ(n->data.*box.field, std::string("typed \xC3\xBC ") + box.name + (box.memo ? "\r\nline" : ""))
            << box.name;
}

TEST_F(TLinkPropFormTest, EightBitTextsShowAsWindows1252AndSurviveOkByteForByteUnlessEdited) {
    LinkItem record;
    record.Name = "Gr\xFC\xDF"
                  "e";
    record.Note = "caf\xE9\r\n\x80 5";
    record.URL = "C:\\Dokumente\\\xC4nderung.txt";
    record.Contact = "M\xFCller";
    Node* n = itemWith(record);
    ASSERT_TRUE(form.fill(n));
    EXPECT_EQ(control<QPlainTextEdit>("NameEdit")->toPlainText(), QString::fromUtf8("Grüße"));
    EXPECT_EQ(control<QPlainTextEdit>("NoteEdit")->toPlainText(), QString::fromUtf8("café\n€ 5"));
    EXPECT_EQ(control<QLineEdit>("UrlEdit")->text(), QString::fromUtf8("C:\\Dokumente\\Änderung.txt"));
    control<QLineEdit>("ContactEdit")->setText(QString::fromUtf8("Müller-Lüdenscheidt"));
    form.OkLinkPropBtnClick();
    EXPECT_EQ(n->data.Name, record.Name);
    EXPECT_EQ(n->data.Note, record.Note);
    EXPECT_EQ(n->data.URL, record.URL);
    EXPECT_EQ(n->data.Contact, "M\xC3\xBCller-L\xC3\xBC"
                               "denscheidt");
}

TEST_F(TLinkPropFormTest, DropDownBoxesChooseTheStoredEntryAndStoreMinusOneForNoEntryOrTypedText) {
    struct Case {
        std::int32_t stored;
        int shownIndex;
        const char* typed; // nullptr: the user leaves the box alone
        std::int32_t result;
    } cases[] = {
        {2, 2, nullptr, 2},        {0, 0, nullptr, 0}, {-1, -1, nullptr, -1}, {99, -1, nullptr, -1}, // beyond the list
        {1, 1, "my own text", -1},
    };
    for (const ChoiceBox& box : kChoiceBoxes)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(box.name) + " stored " + std::to_string(c.stored));
            LinkItem record;
            record.*box.field = c.stored;
            Node* n = itemWith(record);
            ASSERT_TRUE(form.fill(n));
            auto* combo = control<QComboBox>(box.name);
            EXPECT_EQ(combo->count(), box.entries);
            EXPECT_EQ(combo->currentIndex(), c.shownIndex);
            if (c.shownIndex < 0) {
                EXPECT_EQ(combo->currentText(), "");
            }
            if (c.typed) {
                combo->setFocus();
                combo->lineEdit()->selectAll();
                QTest::keyClicks(combo->lineEdit(), c.typed);
            }
            form.OkLinkPropBtnClick();
            EXPECT_EQ(n->data.*box.field, c.result);
        }
}

TEST_F(TLinkPropFormTest, DateIsTheItemsOrTodayAndEveryConfirmedItemHasOne) {
    struct Case {
        std::uint16_t year, month, day;
        QDate shown;
        QDate stored;
    } cases[] = {
        {2021, 12, 31, QDate(2021, 12, 31), QDate(2021, 12, 31)},
        {0, 0, 0, kToday, kToday},
        {2021, 0, 5, kToday, kToday}, // not all three set: no date
        {2020, 2, 29, QDate(2020, 2, 29), QDate(2020, 2, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        LinkItem record;
        record.Year = c.year;
        record.Month = c.month;
        record.Day = c.day;
        Node* n = itemWith(record);
        ASSERT_TRUE(form.fill(n));
        EXPECT_EQ(control<QDateEdit>("DatePicker1")->date(), c.shown);
        form.OkLinkPropBtnClick();
        EXPECT_EQ(QDate(n->data.Year, n->data.Month, n->data.Day), c.stored);
    }
}

TEST_F(TLinkPropFormTest, ADateChosenInThePickerIsStored) {
    Node* n = itemWith({});
    ASSERT_TRUE(form.fill(n));
    control<QDateEdit>("DatePicker1")->setDate(QDate(2030, 7, 14));
    form.OkLinkPropBtnClick();
    EXPECT_EQ(QDate(n->data.Year, n->data.Month, n->data.Day), QDate(2030, 7, 14));
}

TEST_F(TLinkPropFormTest, ADateBeforeThePickersRangeSurvivesOk) {
    LinkItem record;
    record.Year = 50;
    record.Month = 6;
    record.Day = 1;
    Node* n = itemWith(record);
    ASSERT_TRUE(form.fill(n));
    form.OkLinkPropBtnClick();
    EXPECT_EQ(n->data.Year, 50);
    EXPECT_EQ(n->data.Month, 6);
    EXPECT_EQ(n->data.Day, 1);
}

TEST_F(TLinkPropFormTest, AStoredDateThatIsNoCalendarDateShowsTheDateErrorAndTheDialogStaysClosed) {
    struct Case {
        std::uint16_t year, month, day;
    } cases[] = {{2023, 2, 29}, {2023, 13, 1}, {2023, 4, 31}, {10000, 1, 1}, {2023, 1, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        dialogs.messages.clear();
        LinkItem record;
        record.Year = c.year;
        record.Month = c.month;
        record.Day = c.day;
        Node* n = itemWith(record);
        bool opened = false;
        QTimer guard; // closes the dialog should it open anyway
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            opened = true;
            form.reject();
        });
        guard.start(0);
        form.LinkProps(n);
        EXPECT_FALSE(opened);
        EXPECT_FALSE(form.isVisible());
        EXPECT_THAT(dialogs.messages, ElementsAre("error: Invalid argument to date encode"));
        EXPECT_EQ(n->data, record);
    }
}

TEST_F(TLinkPropFormTest, LinkPropsOpensModallyOnTheLinkTabWithTheFocusInTheName) {
    Node* n = itemWith(everyField());
    form.findChild<QTabWidget*>()->setCurrentIndex(1);
    bool opened = false;
    QTimer inside;
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        opened = true;
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isModal());
        EXPECT_EQ(form.findChild<QTabWidget*>()->currentIndex(), 0);
        EXPECT_EQ(form.focusWidget(), control<QPlainTextEdit>("NameEdit"));
        control<QPlainTextEdit>("NameEdit")->setPlainText("Renamed");
        form.OkLinkPropBtnClick();
    });
    inside.start(0);
    form.LinkProps(n);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(n->data.Name, "Renamed");
}

TEST_F(TLinkPropFormTest, CheckBoxesEditTheirBitsAndFlagsAndLeaveTheOtherBitsAlone) {
    LinkItem record;
    record.WeekDays = 0x80 | 0x01 | 0x04; // bit 7 carried, Mo, We
    record.Sets = 0x20 | 0x01 | 0x02;     // bit 5 carried, sets #1 and #2
    record.Remind = "+";
    Node* n = itemWith(record);
    ASSERT_TRUE(form.fill(n));
    const char* days[] = {"MoCheckBox", "TuCheckBox", "WeCheckBox", "ThCheckBox",
                          "FrCheckBox", "SaCheckBox", "SuCheckBox"};
    std::vector<bool> shownDays;
    for (const char* d : days)
        shownDays.push_back(control<QCheckBox>(d)->isChecked());
    EXPECT_THAT(shownDays, ElementsAre(true, false, true, false, false, false, false));
    std::vector<bool> shownSets;
    for (const char* s : {"Set1CheckBox", "Set2CheckBox", "Set3CheckBox", "Set4CheckBox"})
        shownSets.push_back(control<QCheckBox>(s)->isChecked());
    EXPECT_THAT(shownSets, ElementsAre(true, true, false, false));
    EXPECT_TRUE(control<QCheckBox>("DoCheckBox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("ExecuteCheckBox")->isChecked());

    control<QCheckBox>("MoCheckBox")->setChecked(false);
    control<QCheckBox>("SuCheckBox")->setChecked(true);
    control<QCheckBox>("Set1CheckBox")->setChecked(false);
    control<QCheckBox>("Set4CheckBox")->setChecked(true);
    control<QCheckBox>("DoCheckBox")->setChecked(false);
    control<QCheckBox>("ExecuteCheckBox")->setChecked(true);
    form.OkLinkPropBtnClick();
    EXPECT_EQ(n->data.WeekDays, 0x80 | 0x04 | 0x40);
    EXPECT_EQ(n->data.Sets, 0x20u | 0x02u | 0x08u);
    EXPECT_EQ(n->data.Remind, "");
    EXPECT_EQ(n->data.Execute, "+");
}

TEST_F(TLinkPropFormTest, ColourChoosersStartAtTheItemsColoursAndStoreWhatIsChosen) {
    LinkItem record;
    record.Color = 0x0000FF;
    record.BkColor = 0;
    Node* n = itemWith(record);
    ASSERT_TRUE(form.fill(n));
    dialogs.colorAnswers = {0x00FF00, std::nullopt};
    QTest::mouseClick(control<ColorPickerBtn>("ColorPickerBtn1"), Qt::LeftButton);
    QTest::mouseClick(control<ColorPickerBtn>("ColorPickerBtn2"), Qt::LeftButton); // cancelled
    EXPECT_THAT(dialogs.colorRequests, ElementsAre(0x0000FF, 0));
    form.OkLinkPropBtnClick();
    EXPECT_EQ(n->data.Color, 0x00FF00);
    EXPECT_EQ(n->data.BkColor, 0);
}

TEST_F(TLinkPropFormTest, AssignRegistersTheComposedKeyAndShowsItsTextWhichOkStores) {
    struct Case {
        bool ctrl, shift, alt, win;
        const char* key;
        const char* call;
        const char* text;
    } cases[] = {
        {true, false, false, false, "F5", "register 0x4074", "Ctrl+F5"},
        {true, false, true, false, "Home", "register 0xC024", "Ctrl+Alt+Home"},
        {false, false, true, false, "Page Up", "register 0x8021", "Alt+Page Up"},
        {false, true, false, true, "A", "register 0x12041", "Shift+Win+A"},
        {false, false, false, false, "Num 7", "register 0x67", "Num 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        hotKeys.calls.clear();
        Node* n = itemWith(everyField());
        ASSERT_TRUE(form.fill(n));
        setModifiers(c.ctrl, c.shift, c.alt, c.win);
        chooseKey(c.key);
        QTest::mouseClick(control<QPushButton>("BtnGetHotKey"), Qt::LeftButton);
        EXPECT_THAT(hotKeys.calls, ElementsAre(c.call));
        EXPECT_EQ(control<QLineEdit>("HotKeyEdit")->text(), c.text);
        form.OkLinkPropBtnClick();
        EXPECT_EQ(n->data.HotKey, c.text);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TLinkPropFormTest, AKeyHeldElsewhereIsWarnedAboutAndStillShown) {
    hotKeys.heldElsewhere.insert(0x4074);
    Node* n = itemWith({});
    ASSERT_TRUE(form.fill(n));
    chooseKey("F5");
    form.BtnGetHotKeyClick();
    EXPECT_THAT(dialogs.messages,
                ElementsAre("warning: Ctrl+F5 is already used\rand therefore couldn't be assigned to a hotkey."));
    EXPECT_EQ(control<QLineEdit>("HotKeyEdit")->text(), "Ctrl+F5");
    EXPECT_TRUE(hotKeys.registered.empty());
}

TEST_F(TLinkPropFormTest, AssignWithoutAChosenKeyWarnsAndDoesNothingElse) {
    Node* n = itemWith(everyField());
    ASSERT_TRUE(form.fill(n));
    control<QComboBox>("HotComboBox")->setCurrentIndex(-1);
    form.BtnGetHotKeyClick();
    EXPECT_THAT(dialogs.messages, ElementsAre("warning: No key selected from the list."));
    EXPECT_TRUE(hotKeys.calls.empty());
    EXPECT_EQ(control<QLineEdit>("HotKeyEdit")->text(), "Ctrl+Alt+Home");
}

TEST_F(TLinkPropFormTest, ClosingByTheCloseBoxOrEscStoresNothingButAnAssignedKeyStaysRegistered) {
    enum class Closing { CloseBox, Esc };
    for (Closing closing : {Closing::CloseBox, Closing::Esc}) {
        SCOPED_TRACE(closing == Closing::Esc ? "Esc" : "close box");
        hotKeys.calls.clear();
        changes.nodes.clear();
        Node* n = itemWith(everyField());
        QSignalSpy stored(&form, &TLinkPropForm::nameStored);
        ASSERT_TRUE(form.fill(n));
        form.show();
        control<QPlainTextEdit>("NameEdit")->setPlainText("changed");
        control<QComboBox>("ComboBox1")->setCurrentIndex(1);
        control<QCheckBox>("Set3CheckBox")->setChecked(true);
        setModifiers(true, false, false, false);
        chooseKey("F5");
        form.BtnGetHotKeyClick();
        if (closing == Closing::Esc)
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            form.close();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(n->data, everyField());
        EXPECT_TRUE(changes.nodes.empty());
        EXPECT_EQ(stored.count(), 0);
        EXPECT_THAT(hotKeys.calls, ElementsAre("register 0x4074"));
        EXPECT_EQ(hotKeys.registered.count(0x4074), 1u);
    }
}

} // namespace
