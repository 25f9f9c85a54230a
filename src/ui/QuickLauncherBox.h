// The quick launcher: a small frameless box in the middle of the screen, over other programs and
// shown also while the main window is hidden. Typing shows the ten best matches (the most recently
// launched first among equals); Up and Down choose, Enter launches and closes the box; Esc or another
// window taking the focus closes it.
#pragma once

#include "find/Finder.h"

#include <QWidget>

#include <functional>

class FoundItemList;
class QLineEdit;

class QuickLauncherBox : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kMostShown = 10;

    QuickLauncherBox(Finder& finder, std::function<void(Node*)> launch);

    // Shows the box empty in the middle of the screen the mouse is on, with the keyboard in it.
    void open();
    QLineEdit* box() const { return box_; }
    FoundItemList* list() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void refresh();

    Finder& finder_;
    std::function<void(Node*)> launch_;
    QLineEdit* box_;
    FoundItemList* list_;
    FindResult result_;
};
