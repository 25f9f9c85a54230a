// The item-type pictures as drawing code: one look for all, flat fills inside a dark outline.
#pragma once

#include <QPainter>

// Number of pictures: one per item type 0..12, then seven spare neutral marks.
inline constexpr int kItemTypePictures = 20;

// Draws picture `type` (0..19) on the 16-by-16 grid of the painter's current coordinates.
void drawItemTypePicture(QPainter& p, int type);
