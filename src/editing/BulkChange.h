// Announces a change of many items as one batch. Each announced insertion, removal or move costs a
// Qt view time in proportion to everything it tracks (the selection's ranges, expanded rows), so
// hundreds of them cost far more than one rebuild of the view. Focus changes belong after the batch:
// inside it their listeners (the title box among them) hear nothing.
#pragma once

#include "collection/Outline.h"

#include <cstddef>
#include <optional>

class BulkChange {
public:
    // From this many items on, a change is one batch.
    static constexpr std::size_t kBatchFrom = 64;

    BulkChange(Outline& tree, std::size_t items) {
        if (items >= kBatchFrom)
            batch_.emplace(tree);
    }

private:
    std::optional<OutlineUpdate> batch_;
};
