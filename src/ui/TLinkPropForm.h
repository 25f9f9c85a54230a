// The link properties dialog: shows every field of one link item and writes them all back when the
// user presses "Ok"; the place where an item's global hot key is chosen. Created once, hidden, and
// reused for every item.
#pragma once

#include "collection/Outline.h"
#include "launch/TPotentialKey.h"

#include <QDate>
#include <QDialog>
#include <QPushButton>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Dialogs;
class HotKeyService;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// A colour chooser: a button showing a colour value 0x00BBGGRR that asks Dialogs for a new colour
// when clicked. It holds the value as given, so a value it cannot show exactly survives unchanged.
class ColorPickerBtn : public QPushButton {
    Q_OBJECT
public:
    explicit ColorPickerBtn(Dialogs& dialogs, QWidget* parent = nullptr);
    std::int32_t color() const { return color_; }
    void setColor(std::int32_t color);

private:
    void choose();

    Dialogs& dialogs_;
    std::int32_t color_ = 0;
};

class TLinkPropForm : public QDialog {
    Q_OBJECT
public:
    // Builds every control and the key list from the hot key service's key names.
    TLinkPropForm(Outline& outline, Dialogs& dialogs, HotKeyService& hotKeys, QWidget* parent = nullptr);

    // Fills the dialog from item, remembers it and shows the dialog modally. A stored date that is
    // not a calendar date shows the date error instead, and the dialog does not open.
    void LinkProps(Node* item);
    // The filling part of LinkProps: false, after the date error, when the item's date cannot be shown.
    bool fill(Node* item);
    // The item being edited; none once the dialog has closed.
    Node* item() const { return item_; }

    // "  Ok": stores every field into the remembered item, announces the change and closes.
    void OkLinkPropBtnClick();
    // "Assign": composes the hot key value of the modifier boxes and the chosen key, registers it and
    // shows its text in "Current HotKey", whether or not the registration succeeded.
    void BtnGetHotKeyClick();

    // The key carried by an entry of the key list, nullptr for no entry.
    const TPotentialKey* potentialKey(int entry) const;

    // Where today's date comes from (shown for items without a date); the system date by default.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

signals:
    // After "Ok" stored the fields of item: whoever shows the focused item's name updates it when
    // item is the focused one.
    void nameStored(Node* item);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // A text box and the field it edits. `shown` is the box's text right after filling: a box whose
    // text still equals it stores the field's original bytes, so undecodable texts survive "Ok".
    struct LineBinding {
        QLineEdit* edit;
        ItemText LinkItem::*field;
        QString shown;
    };
    struct MemoBinding {
        QPlainTextEdit* memo;
        ItemText LinkItem::*field;
        QString shown;
    };
    struct ComboBinding {
        QComboBox* combo;
        std::int32_t LinkItem::*field;
    };

    QWidget* buildLinkTab();
    QWidget* buildKeywordsTab();
    QLineEdit* lineEdit(const char* name, ItemText LinkItem::*field);
    QPlainTextEdit* memo(const char* name, ItemText LinkItem::*field);
    QComboBox* choiceBox(const char* name, const QStringList& entries, std::int32_t LinkItem::*field);
    void buildKeyList();

    Outline& outline_;
    Dialogs& dialogs_;
    HotKeyService& hotKeys_;
    std::function<QDate()> today_;
    Node* item_ = nullptr;

    std::vector<LineBinding> lines_;
    std::vector<MemoBinding> memos_;
    std::vector<ComboBinding> combos_;

    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* nameEdit_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
    QDate filledDate_;      // the picker's date right after filling
    QDate dateIfUnchanged_; // what an untouched picker stores: the item's date, or today's
    QCheckBox* remind_ = nullptr;
    QCheckBox* execute_ = nullptr;
    std::array<QCheckBox*, 7> weekDays_{};
    std::array<QCheckBox*, 4> sets_{};
    ColorPickerBtn* color_ = nullptr;
    ColorPickerBtn* bkColor_ = nullptr;
    QLineEdit* hotKeyEdit_ = nullptr;
    QCheckBox* ctrl_ = nullptr;
    QCheckBox* shift_ = nullptr;
    QCheckBox* alt_ = nullptr;
    QCheckBox* win_ = nullptr;
    QComboBox* hotCombo_ = nullptr;
    std::vector<TPotentialKey> potentialKeys_; // one per key list entry, in list order
};
