// The pictures of the item types: image n belongs to ItemType n (0 Group ... 12 CopyText, 13..19
// spare neutral marks). They are SVG files on a 16-by-16 grid (resources/images/, built into the
// program), so they stay sharp at any size.
#pragma once

#include <QIcon>
#include <QImage>

#include <cstdint>

class QPainter;
class QRectF;

class ItemTypeImages {
public:
    static constexpr int kCount = 20; // pictures 0..19
    static constexpr int kSize = 16;  // the grid they are drawn on, and their size in the outline

    // Whether itemType has a picture (-1 and values from kCount up have none).
    static bool has(std::int32_t itemType) { return itemType >= 0 && itemType < kCount; }
    // Draws the picture of itemType scaled into box; does nothing for a type without one.
    static void paint(QPainter& painter, std::int32_t itemType, const QRectF& box);
    // The picture as an icon for menus, buttons and headers; a null icon for a type without one.
    static QIcon icon(std::int32_t itemType);
    // The picture on a transparent square image of the given size; a null image for a type without one.
    static QImage image(std::int32_t itemType, int size = kSize);
};
