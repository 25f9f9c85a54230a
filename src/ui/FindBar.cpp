#include "FindBar.h"

#include "ui/FindKeys.h"
#include "ui/FoundItemList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

QString foundCountText(std::size_t shown, std::size_t total) {
    const QLocale english(QLocale::English);
    const QString all = english.toString(static_cast<qulonglong>(total));
    if (total == 0)
        return "No items found";
    if (shown < total)
        return english.toString(static_cast<qulonglong>(shown)) + " of " + all + " items shown";
    return all + (total == 1 ? " item" : " items");
}

FindBar::FindBar(Finder& finder, Actions actions, QWidget* parent)
    : QWidget(parent), finder_(finder), actions_(std::move(actions)) {
    setObjectName("FindBar");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Find", this));
    box_ = new QLineEdit(this);
    box_->setObjectName("FindBox");
    box_->setPlaceholderText("Words of a name, an address, a keyword or a note; name: url: note: tag: type:");
    box_->setClearButtonEnabled(true);
    box_->installEventFilter(this);
    row->addWidget(box_, 1);
    count_ = new QLabel(this);
    count_->setObjectName("FindCount");
    row->addWidget(count_);
    auto* closeButton = new QToolButton(this);
    closeButton->setText("\u00D7");
    closeButton->setToolTip("Close (Esc)");
    row->addWidget(closeButton);
    column->addLayout(row);
    list_ = new FoundItemList(this);
    list_->setMaximumHeight(180);
    column->addWidget(list_);
    connect(box_, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(closeButton, &QToolButton::clicked, this, [this] { close(); });
    connect(list_, &QListWidget::itemActivated, this, [this] {
        if (Node* item = chosen())
            actions_.show(item);
    });
    hide();
}

void FindBar::open() {
    show();
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
    refresh();
}

void FindBar::refresh() {
    result_ = finder_.find(box_->text().toStdString(), {kMostShown, false});
    list_->showResult(finder_.outline(), result_);
    list_->setVisible(!box_->text().trimmed().isEmpty());
    count_->setText(box_->text().trimmed().isEmpty() ? QString() : foundCountText(result_.items.size(), result_.total));
}

Node* FindBar::chosen() {
    const int row = list_->currentIndex();
    if (!finder_.isCurrent(result_)) {
        refresh(); // an item left the outline since the list was made: the list as it is now
        return nullptr;
    }
    return row >= 0 && static_cast<std::size_t>(row) < result_.items.size()
               ? result_.items[static_cast<std::size_t>(row)]
               : nullptr;
}

void FindBar::close() {
    hide();
    if (actions_.closed)
        actions_.closed();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_)
        return QWidget::eventFilter(watched, event);
    const BoxKey boxKey = boxKeyOf(event);
    const FindKey key = boxKey.key;
    if (key == FindKey::None)
        return boxKey.taken;
    switch (key) {
    case FindKey::Up:
    case FindKey::Down:
        list_->moveCurrent(key == FindKey::Up ? -1 : 1);
        break;
    case FindKey::PageUp:
    case FindKey::PageDown:
        list_->moveCurrent(key == FindKey::PageUp ? -10 : 10);
        break;
    case FindKey::Enter:
        if (Node* item = chosen())
            actions_.show(item);
        break;
    case FindKey::CtrlEnter:
        if (Node* item = chosen())
            actions_.launch(item);
        break;
    case FindKey::Escape:
        close();
        break;
    case FindKey::None:
        break;
    }
    return true;
}
