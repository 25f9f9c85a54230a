// Small outlines for the editing tests, written as indented lines (two spaces per level), and a
// host that records what the commands asked of the window.
#pragma once

#include "collection/Outline.h"
#include "editing/EditingHost.h"
#include "support/TestOutlines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Adds the items of `lines` to the outline; each line's indentation gives its level.
inline void build(Outline& outline, const std::vector<std::string>& lines) {
    std::vector<Node*> parents;  // parents[level] is the latest item at that level
    for (const std::string& line : lines) {
        const std::size_t level = line.find_first_not_of(' ') / 2;
        parents.resize(level);
        parents.push_back(addNamed(outline, level == 0 ? nullptr : parents[level - 1], line.substr(2 * level)));
    }
}

// The item of that name (names in these outlines are unique); nullptr, with a test failure, if none.
inline Node* named(const Outline& outline, const std::string& name) {
    for (Node* n = outline.first(); n; n = outline.next(n))
        if (n->data.Name == name)
            return n;
    ADD_FAILURE() << "no item named " << name;
    return nullptr;
}

inline void select(Outline& outline, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        outline.setSelected(named(outline, name), true);
}

inline std::vector<std::string> selectedNames(const Outline& outline) { return names(outline.selectedNodes()); }

inline std::string focusedName(const Outline& outline) {
    return outline.focused() ? outline.focused()->data.Name.str() : std::string("(none)");
}

// A record with every field set, an 8-bit text among them.
inline LinkItem everyField() {
    LinkItem item;
    item.Name = "full";
    item.Text = "text";
    item.URL = "https://example.org/";
    item.HotKey = "Ctrl+Alt+K";
    item.Params = "-x";
    item.ItemType = 4;
    item.User = 2;
    item.Priority = -1;
    item.Sets = 0x8005;
    item.Remind = "+";
    item.Execute = "+";
    item.Time = "09:30";
    item.Reserved = "r";
    item.Year = 2024;
    item.Month = 2;
    item.Day = 29;
    item.Periodicity = 3;
    item.WeekDays = 0x85;
    item.Fired = 255;
    item.Dir = "/tmp";
    item.AccessInfo = "Last visited: [x] [09:31]";
    item.Note = "note";
    item.Login = "login";
    item.Password = "secret";
    item.Color = 0x0000FF;
    item.BkColor = 0xFFFF00;
    item.Contact = "contact";
    item.Email = "a@example.org";
    item.Keyword1 = "k1";
    item.Keyword2 = "k2";
    item.Keyword3 = "k3";
    item.Keyword4 = "k4";
    item.Keyword5 = "\xFC";
    return item;
}

// What the commands asked of the window, in order.
struct RecordingHost {
    std::vector<std::string> calls;  // "LinkProps <name>", "focusTitleBox", "GetBookmarks1Click"
    std::vector<Node*> dialogItems;
    std::string nameFromDialog;  // the dialog gives the item this name, as a user would

    EditingHost host() {
        return EditingHost{
            [this](Node* item) {
                dialogItems.push_back(item);
                if (!nameFromDialog.empty())
                    item->data.Name = nameFromDialog;
                calls.push_back("LinkProps " + item->data.Name);
            },
            [this] { calls.push_back("focusTitleBox"); },
            [this] { calls.push_back("GetBookmarks1Click"); },
        };
    }
};
