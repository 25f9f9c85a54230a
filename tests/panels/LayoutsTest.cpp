#include "panels/Layouts.h"

#include <gtest/gtest.h>

TEST(Layouts, ShowTheRegionsOfTheirRow) {
    struct Row {
        Layout layout;
        bool splitter, centre, outline, fills;
    };
    const Row table[] = {
        {Layout::Normal, true, true, true, true},
        {Layout::NoteEdit, false, true, false, false},
        {Layout::Outliner, false, true, true, false},
    };
    for (const Row& row : table) {
        const LayoutRegions r = regionsFor(row.layout);
        SCOPED_TRACE(static_cast<int>(row.layout));
        EXPECT_EQ(r.splitterShown, row.splitter);
        EXPECT_EQ(r.centreShown, row.centre);
        EXPECT_EQ(r.outlineShown, row.outline);
        EXPECT_EQ(r.outlineFillsCentre, row.fills);
    }
}
