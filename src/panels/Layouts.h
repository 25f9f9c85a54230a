// The three layouts of "View" > "Layouts" as data: which work-area regions each one shows.
#pragma once

enum class Layout { Normal, NoteEdit, Outliner };

struct LayoutRegions {
    bool splitterShown;     // RbSplitter2, between the side panel and the centre column
    bool centreShown;       // Panel1, the centre column
    bool outlineShown;      // Panel7, the outline container
    bool outlineFillsCentre; // Panel7 takes the rest of the centre column
};

constexpr LayoutRegions regionsFor(Layout layout) {
    switch (layout) {
    case Layout::Normal:
        return {true, true, true, true};
    case Layout::NoteEdit:
        return {false, true, false, false};
    case Layout::Outliner:
        return {false, true, true, false};
    }
    return {true, true, true, true};
}
