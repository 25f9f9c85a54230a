// Announces a change of many items as one batch. Each announced insertion, removal or move costs a
// Qt view time in proportion to everything it tracks (the selection's ranges, expanded rows), so
// hundreds of them cost far more than one rebuild of the view. Focus changes belong after the batch:
// inside it their listeners (the title box among them) hear nothing.
#pragma once

#include "collection/Outline.h"

#include <cstddef>
#include <optional>

// Up to this many changed items are announced one by one.
inline constexpr std::size_t kItemsAnnouncedOneByOne = 64;

// A batch of the given kind when more than kItemsAnnouncedOneByOne items change, none otherwise.
template <class Batch> class BatchOfMany {
public:
    BatchOfMany(Outline& tree, std::size_t items) {
        if (items > kItemsAnnouncedOneByOne)
            batch_.emplace(tree);
    }

private:
    std::optional<Batch> batch_;
};

// Any change: listeners hear one reset.
using BulkChange = BatchOfMany<OutlineUpdate>;
// A change of node states alone: listeners hear one allStatesChanged.
using BulkStatesChange = BatchOfMany<OutlineStatesUpdate>;
