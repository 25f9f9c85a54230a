#include "TLinkPropForm.h"

#include "collection/DisplayText.h"
#include "collection/ItemType.h"
#include "launch/HotKeyCommands.h"
#include "launch/HotKeyValue.h"
#include "platform/Dialogs.h"
#include "platform/HotKeyService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr const char* kDateError = "Invalid argument to date encode";
constexpr const char* kNoKeySelected = "No key selected from the list.";

QString shownText(const std::string& bytes) {
    return QString::fromStdString(displayText(bytes));
}

// A memo shows the lines of a text; CR LF, lone CR and lone LF all end a line.
QString memoLines(const std::string& bytes) {
    QString text = shownText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The dates the date picker can encode: the calendar dates of the years 1 to 9999.
bool isEncodableDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return year >= 1 && year <= 9999 && QDate(year, month, day).isValid();
}

// The chosen entry of a drop-down box, -1 when text typed into it replaced the entry.
std::int32_t chosenEntry(const QComboBox* combo) {
    int index = combo->currentIndex();
    if (index < 0 || (combo->isEditable() && combo->currentText() != combo->itemText(index)))
        return -1;
    return index;
}

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

// A caption above its control, as one small column.
QVBoxLayout* captioned(const QString& text, QWidget* control) {
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(new QLabel(text));
    column->addWidget(control);
    return column;
}

QPushButton* plainButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false); // Enter in a box does not press "Ok"
    return button;
}

} // namespace

ColorPickerBtn::ColorPickerBtn(Dialogs& dialogs, QWidget* parent) : QPushButton(parent), dialogs_(dialogs) {
    setAutoDefault(false);
    setIconSize(QSize(40, 12));
    setColor(0);
    connect(this, &QPushButton::clicked, this, &ColorPickerBtn::choose);
}

void ColorPickerBtn::setColor(std::int32_t color) {
    color_ = color;
    QPixmap swatch(iconSize());
    swatch.fill(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(swatch));
}

void ColorPickerBtn::choose() {
    if (auto chosen = dialogs_.askColor(color_))
        setColor(*chosen);
}

TLinkPropForm::TLinkPropForm(Outline& outline, Dialogs& dialogs, HotKeyService& hotKeys, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      outline_(outline), dialogs_(dialogs), hotKeys_(hotKeys), today_(&QDate::currentDate) {
    setObjectName(QStringLiteral("LinkPropForm"));
    setWindowTitle(QStringLiteral("LinkPropForm"));
    QFont tahoma = font();
    tahoma.setFamily(QStringLiteral("Tahoma"));
    setFont(tahoma);
    setFixedSize(481, 458);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildLinkTab(), QStringLiteral("Link"));
    tabs_->addTab(buildKeywordsTab(), QStringLiteral("Keywords/Sets"));

    auto* ok = plainButton(QStringLiteral("  Ok"), this);
    ok->setObjectName(QStringLiteral("OkLinkPropBtn"));
    connect(ok, &QPushButton::clicked, this, &TLinkPropForm::OkLinkPropBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    buildKeyList();
}

QLineEdit* TLinkPropForm::lineEdit(const char* name, ItemText LinkItem::*field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::numeric_limits<int>::max()); // texts have any length
    lines_.push_back({edit, field, {}});
    return edit;
}

QPlainTextEdit* TLinkPropForm::memo(const char* name, ItemText LinkItem::*field) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QString::fromLatin1(name));
    memo->setTabChangesFocus(true);
    memos_.push_back({memo, field, {}});
    return memo;
}

QComboBox* TLinkPropForm::choiceBox(const char* name, const QStringList& entries, std::int32_t LinkItem::*field) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert); // typed text stays text, it becomes no entry
    combo->addItems(entries);
    combos_.push_back({combo, field});
    return combo;
}

QWidget* TLinkPropForm::buildLinkTab() {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(QStringLiteral("  Item information"), page);
    pageLayout->addWidget(group);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(3);

    nameEdit_ = memo("NameEdit", &LinkItem::Name);
    nameEdit_->setFixedHeight(2 * nameEdit_->fontMetrics().lineSpacing() + 10);
    layout->addLayout(captioned(QStringLiteral("Name of the resourse (URL page title)"), nameEdit_));

    auto* url = lineEdit("UrlEdit", &LinkItem::URL);
    layout->addLayout(captioned(QStringLiteral("URL - enter the full address here"), url));

    QStringList types;
    for (const ItemTypeInfo& t : kItemTypes)
        types << QString::fromLatin1(t.dialogName.data(), static_cast<qsizetype>(t.dialogName.size()));
    auto* choices = new QHBoxLayout;
    struct Choice {
        const char* name;
        const char* caption;
        QStringList entries;
        std::int32_t LinkItem::*field;
    };
    const Choice choiceRows[] = {
        {"ComboBox1", "Type of the link - choose one", types, &LinkItem::ItemType},
        {"ComboBox2",
         "User/master  - choose one",
         {"AllUsers", "User #1", "User #2", "User #3", "User #4"},
         &LinkItem::User},
        {"ComboBox3",
         "Priority - choose one",
         {"None", "High", "Prio #1", "Prio #2", "Prio #3", "Low/Undefined"},
         &LinkItem::Priority},
    };
    for (const Choice& c : choiceRows) {
        QComboBox* combo = choiceBox(c.name, c.entries, c.field);
        choices->addLayout(captioned(QString::fromLatin1(c.caption), combo));
    }
    layout->addLayout(choices);

    auto* paths = new QHBoxLayout;
    auto* params = lineEdit("ParamsEdit", &LinkItem::Params);
    paths->addLayout(captioned(QStringLiteral("Parameters (for applications)"), params));
    auto* dir = lineEdit("DirEdit", &LinkItem::Dir);
    paths->addLayout(captioned(QStringLiteral("Directory"), dir));
    layout->addLayout(paths);

    auto* timing = new QHBoxLayout;
    datePicker_ = new QDateEdit(group);
    datePicker_->setObjectName(QStringLiteral("DatePicker1"));
    datePicker_->setCalendarPopup(true);
    datePicker_->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    datePicker_->setDisplayFormat(dateFormat);
    timing->addWidget(datePicker_);
    auto* time = lineEdit("TimeEdit", &LinkItem::Time);
    time->setFixedWidth(52);
    timing->addWidget(time);
    remind_ = new QCheckBox(QStringLiteral("Remind"), group);
    remind_->setObjectName(QStringLiteral("DoCheckBox"));
    timing->addWidget(remind_);
    execute_ = new QCheckBox(QStringLiteral("Execute"), group);
    execute_->setObjectName(QStringLiteral("ExecuteCheckBox"));
    timing->addWidget(execute_);
    QComboBox* periodicity = choiceBox("PeriodicityComboBox", {"None", "Once", "Everyday", "Every month", "Every year"},
                                       &LinkItem::Periodicity);
    timing->addWidget(periodicity);
    layout->addLayout(timing);

    auto* days = new QHBoxLayout;
    const char* const dayNames[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    for (std::size_t i = 0; i < weekDays_.size(); ++i) {
        weekDays_[i] = new QCheckBox(QString::fromLatin1(dayNames[i]), group);
        weekDays_[i]->setObjectName(QString::fromLatin1(dayNames[i]) + QStringLiteral("CheckBox"));
        days->addWidget(weekDays_[i]);
    }
    days->addStretch();
    layout->addLayout(days);

    auto* people = new QHBoxLayout;
    auto* contact = lineEdit("ContactEdit", &LinkItem::Contact);
    people->addLayout(captioned(QStringLiteral("Contact"), contact));
    auto* email = lineEdit("EmailEdit", &LinkItem::Email);
    people->addLayout(captioned(QStringLiteral("Email"), email));
    layout->addLayout(people);
    layout->addStretch();
    return page;
}

QWidget* TLinkPropForm::buildKeywordsTab() {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(QStringLiteral("Keywords and Sets"), page);
    pageLayout->addWidget(group);
    auto* columns = new QHBoxLayout(group);

    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(caption(QStringLiteral("Keywords"), group));
    ItemText LinkItem::*const keywords[5] = {&LinkItem::Keyword1, &LinkItem::Keyword2, &LinkItem::Keyword3,
                                                &LinkItem::Keyword4, &LinkItem::Keyword5};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "Keyword" + std::to_string(i + 1) + "Edit";
        auto* keyword = lineEdit(name.c_str(), keywords[i]);
        left->addWidget(keyword);
    }
    auto* setRow = new QHBoxLayout;
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        const QString number = QString::number(i + 1);
        sets_[i] = new QCheckBox(QStringLiteral("Set #") + number, group);
        sets_[i]->setObjectName(QStringLiteral("Set") + number + QStringLiteral("CheckBox"));
        setRow->addWidget(sets_[i]);
    }
    left->addLayout(setRow);
    auto* note = memo("NoteEdit", &LinkItem::Note);
    left->addLayout(captioned(QStringLiteral("Comments (place any notes here)"), note), 1);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    auto* colors = new QHBoxLayout;
    color_ = new ColorPickerBtn(dialogs_, group);
    color_->setObjectName(QStringLiteral("ColorPickerBtn1"));
    colors->addLayout(captioned(QStringLiteral("Color"), color_));
    bkColor_ = new ColorPickerBtn(dialogs_, group);
    bkColor_->setObjectName(QStringLiteral("ColorPickerBtn2"));
    colors->addLayout(captioned(QStringLiteral("BkColor"), bkColor_));
    right->addLayout(colors);

    hotKeyEdit_ = lineEdit("HotKeyEdit", &LinkItem::HotKey);
    hotKeyEdit_->setReadOnly(true);
    right->addLayout(captioned(QStringLiteral("Current HotKey"), hotKeyEdit_));

    auto* assign = new QGroupBox(QStringLiteral("Try to assign another HotKey"), group);
    auto* assignLayout = new QVBoxLayout(assign);
    assignLayout->setSpacing(3);
    auto* modifiers = new QHBoxLayout;
    auto modifier = [&](const char* text) {
        auto* box = new QCheckBox(QString::fromLatin1(text), assign);
        box->setObjectName(QString::fromLatin1(text) + QStringLiteral("CheckBox"));
        modifiers->addWidget(box);
        return box;
    };
    ctrl_ = modifier("Ctrl");
    shift_ = modifier("Shift");
    alt_ = modifier("Alt");
    win_ = modifier("Win");
    ctrl_->setChecked(true);
    assignLayout->addLayout(modifiers);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(caption(QStringLiteral("Key:"), assign));
    hotCombo_ = new QComboBox(assign);
    hotCombo_->setObjectName(QStringLiteral("HotComboBox"));
    hotCombo_->setMaxVisibleItems(12);
    // Styles that pop a list up around the current entry ignore the row count; a plain drop-down
    // list keeps it.
    hotCombo_->setStyleSheet(QStringLiteral("QComboBox#HotComboBox { combobox-popup: 0; }"));
    keyRow->addWidget(hotCombo_, 1);
    auto* getHotKey = plainButton(QStringLiteral("Assign"), assign);
    getHotKey->setObjectName(QStringLiteral("BtnGetHotKey"));
    connect(getHotKey, &QPushButton::clicked, this, &TLinkPropForm::BtnGetHotKeyClick);
    keyRow->addWidget(getHotKey);
    assignLayout->addLayout(keyRow);
    right->addWidget(assign);

    auto* login = lineEdit("LoginEdit", &LinkItem::Login);
    right->addLayout(captioned(QStringLiteral("Login"), login));
    auto* password = lineEdit("PasswordEdit", &LinkItem::Password);
    password->setEchoMode(QLineEdit::Password);
    password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    right->addLayout(captioned(QStringLiteral("Password"), password));
    auto* accessInfo = lineEdit("AccessInfoEdit", &LinkItem::AccessInfo);
    right->addLayout(captioned(QStringLiteral("Last Access Info"), accessInfo));
    right->addStretch();
    columns->addLayout(right, 1);
    return page;
}

void TLinkPropForm::buildKeyList() {
    struct Range {
        std::uint16_t first, last;
    };
    constexpr Range ranges[] = {{8, 9}, {13, 13}, {20, 145}, {186, 255}};
    for (const Range& range : ranges)
        for (std::uint16_t code = range.first; code <= range.last; ++code) {
            const std::string name = hotKeys_.keyName(code);
            if (name.empty())
                continue;
            hotCombo_->addItem(QString::fromStdString(name), static_cast<int>(potentialKeys_.size()));
            potentialKeys_.emplace_back(code);
        }
    if (hotCombo_->count() > 0)
        hotCombo_->setCurrentIndex(0);
}

const TPotentialKey* TLinkPropForm::potentialKey(int entry) const {
    if (entry < 0 || entry >= hotCombo_->count())
        return nullptr;
    return &potentialKeys_[static_cast<std::size_t>(hotCombo_->itemData(entry).toInt())];
}

bool TLinkPropForm::fill(Node* item) {
    const LinkItem& r = item->data;
    const bool dated = r.Year != 0 && r.Month != 0 && r.Day != 0;
    if (dated && !isEncodableDate(r.Year, r.Month, r.Day)) {
        dialogs_.showError(kDateError);
        return false;
    }

    tabs_->setCurrentIndex(0);
    for (LineBinding& b : lines_) {
        b.edit->setText(shownText(r.*b.field));
        b.edit->setCursorPosition(0);
        b.shown = b.edit->text();
    }
    for (MemoBinding& b : memos_) {
        b.memo->setPlainText(memoLines(r.*b.field));
        b.shown = b.memo->toPlainText();
    }
    for (const ComboBinding& b : combos_) {
        const std::int32_t value = r.*b.field;
        b.combo->setCurrentIndex(value >= 0 && value < b.combo->count() ? value : -1);
    }

    dateIfUnchanged_ = dated ? QDate(r.Year, r.Month, r.Day) : today_();
    datePicker_->setDate(dateIfUnchanged_);
    filledDate_ = datePicker_->date();

    for (std::size_t i = 0; i < weekDays_.size(); ++i)
        weekDays_[i]->setChecked((r.WeekDays >> i) & 1u);
    remind_->setChecked(!r.Remind.empty());
    execute_->setChecked(!r.Execute.empty());
    for (std::size_t i = 0; i < sets_.size(); ++i)
        sets_[i]->setChecked((r.Sets >> i) & 1u);
    color_->setColor(r.Color);
    bkColor_->setColor(r.BkColor);

    item_ = item;
    return true;
}

void TLinkPropForm::LinkProps(Node* item) {
    if (fill(item))
        exec();
}

void TLinkPropForm::OkLinkPropBtnClick() {
    if (Node* node = item_) {
        LinkItem& r = node->data;
        for (const LineBinding& b : lines_) {
            const QString text = b.edit->text();
            if (text != b.shown)
                r.*b.field = text.toStdString();
        }
        for (const MemoBinding& b : memos_) {
            QString text = b.memo->toPlainText();
            if (text != b.shown)
                r.*b.field = text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
        }
        for (const ComboBinding& b : combos_)
            r.*b.field = chosenEntry(b.combo);

        const QDate date = datePicker_->date() == filledDate_ ? dateIfUnchanged_ : datePicker_->date();
        r.Year = static_cast<std::uint16_t>(date.year());
        r.Month = static_cast<std::uint16_t>(date.month());
        r.Day = static_cast<std::uint16_t>(date.day());

        std::uint8_t weekDays = r.WeekDays & 0x80;
        for (std::size_t i = 0; i < weekDays_.size(); ++i)
            if (weekDays_[i]->isChecked())
                weekDays |= static_cast<std::uint8_t>(1u << i);
        r.WeekDays = weekDays;
        r.Remind = remind_->isChecked() ? kFlagSet : "";
        r.Execute = execute_->isChecked() ? kFlagSet : "";
        std::uint32_t sets = r.Sets & ~0xFu;
        for (std::size_t i = 0; i < sets_.size(); ++i)
            if (sets_[i]->isChecked())
                sets |= 1u << i;
        r.Sets = sets;
        r.Color = color_->color();
        r.BkColor = bkColor_->color();

        outline_.recordChanged(node);
        emit nameStored(node);
    }
    accept();
}

void TLinkPropForm::BtnGetHotKeyClick() {
    unsigned flags = 0;
    if (ctrl_->isChecked())
        flags |= kModCtrl;
    if (shift_->isChecked())
        flags |= kModShift;
    if (alt_->isChecked())
        flags |= kModAlt;
    if (win_->isChecked())
        flags |= kModWin;
    const TPotentialKey* key = potentialKey(hotCombo_->currentIndex());
    if (!key) {
        dialogs_.showWarning(kNoKeySelected);
        return;
    }
    const HotKeyValue value = hotKeyValue(key->code(), flags);
    AddHotKey2(hotKeys_, dialogs_, value);
    hotKeyEdit_->setText(QString::fromStdString(hotKeys_.text(value)));
}

void TLinkPropForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    nameEdit_->setFocus();
}

void TLinkPropForm::done(int result) {
    item_ = nullptr; // the item may go once the dialog is closed
    QDialog::done(result);
}
