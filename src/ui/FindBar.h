// The find bar above the outline ("Edit" > "Find…"): a box and, updated on every key, the best
// matches over every field of every item. Up and Down choose, Enter shows the chosen item in the
// outline, Ctrl+Enter launches it and keeps the bar, Esc closes the bar.
#pragma once

#include "find/Finder.h"

#include <QWidget>

#include <functional>

class FoundItemList;
class QLabel;
class QLineEdit;

class FindBar : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kMostShown = 200;

    struct Actions {
        std::function<void(Node*)> show;   // Enter: focus the item in the outline
        std::function<void(Node*)> launch; // Ctrl+Enter
        std::function<void()> closed;      // Esc: the keyboard goes back to the outline
    };

    FindBar(Finder& finder, Actions actions, QWidget* parent = nullptr);

    // Shows the bar with the keyboard in its box, the text selected.
    void open();
    QLineEdit* box() const { return box_; }
    FoundItemList* list() const { return list_; }
    QLabel* countLabel() const { return count_; }
    // Runs the query in the box again over the outline as it is now.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The chosen item of a result that still holds; after a removal the query runs again first.
    Node* chosen();
    void close();

    Finder& finder_;
    Actions actions_;
    QLineEdit* box_;
    QLabel* count_;
    FoundItemList* list_;
    FindResult result_;
};

// "12 items", "1 item", "No items found", "200 of 4,512 items shown".
QString foundCountText(std::size_t shown, std::size_t total);
