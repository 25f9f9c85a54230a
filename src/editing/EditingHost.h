// What the editing commands ask of the window around the outline. The commands stay free of
// widgets; the main window fills these in, a test records them.
#pragma once

#include "collection/Outline.h"

#include <functional>

struct EditingHost {
    // Opens the modal properties dialog on an item; returns when the dialog has closed.
    std::function<void(Node*)> LinkProps;
    // Gives the keyboard focus to the title box above the outline.
    std::function<void()> focusTitleBox;
    // Rebuilds the tag list from the outline's top-level items.
    std::function<void()> GetBookmarks1Click;

    void linkProps(Node* item) const {
        if (LinkProps)
            LinkProps(item);
    }
    void titleBoxFocus() const {
        if (focusTitleBox)
            focusTitleBox();
    }
    void rebuildTagList() const {
        if (GetBookmarks1Click)
            GetBookmarks1Click();
    }
};
