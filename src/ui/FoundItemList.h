// The list of found items shown by the find bar and the quick launcher: each row the item's picture,
// its name, and below it the address and the groups above the item ("Work › Tools").
#pragma once

#include "collection/Outline.h"
#include "find/Finder.h"

#include <QListWidget>

class FoundItemList : public QListWidget {
    Q_OBJECT
public:
    explicit FoundItemList(QWidget* parent = nullptr);

    // Shows the items of a result, the first one current.
    void showResult(const Outline& outline, const FindResult& result);
    // The row of the current item, -1 when the list is empty.
    int currentIndex() const { return currentRow(); }
    // Moves the current row by `delta` rows, staying inside the list.
    void moveCurrent(int delta);
    // The rows as shown: "name\naddress · path", for tests and tool tips alike.
    QString rowText(int row) const;
};
