#include "QuickLauncherBox.h"

#include "ui/FindKeys.h"
#include "ui/FoundItemList.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

QuickLauncherBox::QuickLauncherBox(Finder& finder, std::function<void(Node*)> launch)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), finder_(finder),
      launch_(std::move(launch)) {
    setObjectName("QuickLauncher");
    setWindowTitle("Quick Launcher"); // the desktop adds " — Wendelmoor"
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    box_ = new QLineEdit(this);
    box_->setObjectName("QuickLauncherBox");
    box_->setPlaceholderText("Launch…");
    QFont large = box_->font();
    large.setPixelSize(18);
    box_->setFont(large);
    box_->installEventFilter(this);
    column->addWidget(box_);
    list_ = new FoundItemList(this);
    column->addWidget(list_);
    connect(box_, &QLineEdit::textChanged, this, [this] { refresh(); });
    setFixedSize(560, 420);
}

void QuickLauncherBox::open() {
    box_->clear();
    refresh();
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect where = rect();
        where.moveCenter(screen->geometry().center());
        move(where.topLeft());
    }
    show();
    raise();
    activateWindow();
    box_->setFocus(Qt::ActiveWindowFocusReason);
}

void QuickLauncherBox::refresh() {
    result_ = finder_.find(box_->text().toStdString(), {kMostShown, true});
    list_->showResult(finder_.outline(), result_);
}

bool QuickLauncherBox::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        hide(); // another window took the focus
    return QWidget::event(event);
}

bool QuickLauncherBox::eventFilter(QObject* watched, QEvent* event) {
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
    case FindKey::Enter:
    case FindKey::CtrlEnter: {
        if (!finder_.isCurrent(result_)) {
            refresh(); // an item left the outline since the list was made
            break;
        }
        const int row = list_->currentIndex();
        if (row < 0)
            break;
        Node* item = result_.items[static_cast<std::size_t>(row)];
        hide(); // first: a launch may show a message, which should not sit under the box
        launch_(item);
        break;
    }
    case FindKey::Escape:
        hide();
        break;
    default:
        break;
    }
    return true;
}
