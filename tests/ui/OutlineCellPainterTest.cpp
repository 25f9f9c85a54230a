#include "ui/OutlineCellPainter.h"
#include "collection/ItemType.h"
#include "ui/ItemTypeImages.h"
#include "ui/OutlineModel.h"
#include "ui/OutlineView.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>

namespace {

using Look = OutlineCellPainter::TextLook;

QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

TEST(OutlineCellPainter, ChoosesWeightAndColoursFromTheRecord) {
    struct Case {
        const char* what;
        std::int32_t itemType, color, bkColor;
        Look expected;
    };
    const QColor white(Qt::white), black(Qt::black);
    const Case cases[] = {
        {"a group is bold, black on white", ItemType::Group, 0, 0, {true, black, white, false}},
        {"other types are regular", ItemType::Url, 0, 0, {false, black, white, false}},
        {"no type at all is regular", ItemType::None, 0, 0, {false, black, white, false}},
        {"negative types are regular", -7, 0, 0, {false, black, white, false}},
        {"types past the images are regular", 25, 0, 0, {false, black, white, false}},
        {"Color 0x0000FF is red, the background stays transparent",
         ItemType::Url,
         0x0000FF,
         0,
         {false, rgb(255, 0, 0), white, false}},
        {"BkColor 0xFFFF00 fills the text cell", ItemType::Url, 0, 0xFFFF00, {false, black, rgb(0, 255, 255), true}},
        {"an explicit white background is still transparent",
         ItemType::Note,
         0x00FF00,
         0xFFFFFF,
         {false, rgb(0, 255, 0), white, false}},
        {"colours are stored blue-green-red",
         ItemType::Group,
         0x123456,
         0x010203,
         {true, rgb(0x56, 0x34, 0x12), rgb(3, 2, 1), true}},
        {"the highest byte is ignored",
         ItemType::Url,
         static_cast<std::int32_t>(0xFF0000FFu),
         0,
         {false, rgb(255, 0, 0), white, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Look look = OutlineCellPainter::textLook(c.itemType, c.color, c.bkColor);
        EXPECT_EQ(look.bold, c.expected.bold);
        EXPECT_EQ(look.text, c.expected.text);
        EXPECT_EQ(look.background, c.expected.background);
        EXPECT_EQ(look.fillsBackground, c.expected.fillsBackground);
        EXPECT_EQ(OutlineCellPainter::rowBackground(c.bkColor), c.expected.background);
        const QFont font = OutlineCellPainter::cellFont(c.itemType);
        EXPECT_EQ(font.bold(), c.expected.bold);
        EXPECT_EQ(font.pointSize(), 9);
        EXPECT_EQ(font.family(), "Tahoma");
    }
}

TEST(OutlineCellPainter, PlacesImageAndTextInsideTheCell) {
    const QRect cell(100, 40, 300, 20);
    // Text rectangle: 8 pixels in on both sides, then right and bottom edges in by one more.
    EXPECT_EQ(OutlineCellPainter::textRect(cell), QRect(108, 40, 283, 19));
    EXPECT_EQ(OutlineCellPainter::imageRect(cell), QRect(102, 42, 16, 16));

    struct Case {
        int column;
        std::int32_t itemType;
        bool image;
    };
    const Case cases[] = {{0, ItemType::Group, true},
                          {0, 19, true},
                          {0, 20, false},
                          {0, ItemType::None, false},
                          {3, ItemType::Url, false},
                          {7, ItemType::Note, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("column " + std::to_string(c.column) + ", type " + std::to_string(c.itemType));
        EXPECT_EQ(OutlineCellPainter::showsImage(c.column, c.itemType), c.image);
        EXPECT_EQ(OutlineCellPainter::contentRect(cell, c.column, c.itemType).left(), c.image ? 120 : 100);
    }
}

TEST(OutlineCellPainter, ShortensOnlyRectanglesNarrowerThanEightPixels) {
    // One pixel per UTF-16 unit keeps the arithmetic visible.
    const auto measure = [](const QString& s) { return static_cast<int>(s.size()); };
    const QString longUrl = "https://example.org/a/very/long/path/that/does/not/fit/in/the/column";
    struct Case {
        QString text;
        int width;
        QString expected;
    };
    const Case cases[] = {
        {longUrl, 283, longUrl},  // a normal column: kept whole, the drawing clips it
        {"abcdef", 8, "abcdef"},  // the limit itself: kept whole
        {"abcdef", 7, "abcd..."}, // narrower: longest beginning that fits with "..."
        {"abcdef", 5, "ab..."},
        {"abcdef", 3, "..."}, // only "..." fits
        {"abcdef", 2, ""},    // not even "..." fits
        {"abcdef", -9, ""},   // a cell narrower than its margins
        {"ab", 7, "ab..."},   // the rule adds "..." even to a beginning that is the whole text
        {QString::fromUtf8("a\xF0\x9F\x98\x80"
                           "b"),
         5, "a..."}, // a character is never split in two
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.text + " in " + QString::number(c.width)).toStdString());
        EXPECT_EQ(OutlineCellPainter::shortenedText(c.text, c.width, measure), c.expected);
    }
}

TEST(ItemTypeImages, TwentyDistinctPicturesAndNoneOutsideThem) {
    std::set<QByteArray> seen;
    for (int type = 0; type < ItemTypeImages::kCount; ++type) {
        SCOPED_TRACE(type);
        const QImage image = ItemTypeImages::image(type);
        ASSERT_EQ(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
        EXPECT_GT(opaque, 16);
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        EXPECT_FALSE(ItemTypeImages::icon(type).isNull());
    }
    EXPECT_EQ(seen.size(), 20u);
    for (int type : {-1, 20, 1000}) {
        EXPECT_FALSE(ItemTypeImages::has(type));
        EXPECT_TRUE(ItemTypeImages::image(type).isNull());
        EXPECT_TRUE(ItemTypeImages::icon(type).isNull());
    }
}

// ---- Painting into an image ------------------------------------------------------------------

// What the view painted before the cell painter runs; any other pixel was painted by the cell.
const QColor kBeneath(200, 0, 200);

struct OneItem {
    Outline outline;
    Node* node = outline.addChild(nullptr);
    OutlineModel model{outline};
    OutlineCellPainter painter;

    QImage paint(int column, const QRect& cell, int imageWidth = 400) {
        QImage image(imageWidth, cell.bottom() + 1, QImage::Format_RGB32);
        image.fill(kBeneath);
        QPainter p(&image);
        QStyleOptionViewItem option;
        option.rect = cell;
        painter.paint(&p, option, model.indexOf(node, column));
        return image;
    }
};

bool painted(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) != kBeneath;
}

int paintedIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += painted(image, x, y) ? 1 : 0;
    return count;
}

int pixelsLike(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

TEST(OutlineCellPainter, PaintsImageTextAndColoursOfEachCase) {
    struct Case {
        const char* what;
        int column;
        std::int32_t itemType, color, bkColor;
        std::string name, url, note;
        bool image;                   // the image area was painted
        bool text;                    // something was painted right of the image area
        std::optional<QColor> glyphs; // some glyph pixels are close to this colour
        std::optional<QColor> fill;   // the text cell was filled with exactly this colour
    };
    const Case cases[] = {
        {"a group shows its image and its name",
         0,
         ItemType::Group,
         0,
         0,
         "Projects",
         "",
         "",
         true,
         true,
         Qt::black,
         {}},
        {"type -1 shows no image, only its name", 0, ItemType::None, 0, 0, "Plain", "", "", false, true, Qt::black, {}},
        {"red text over whatever lies beneath",
         0,
         ItemType::Url,
         0x0000FF,
         0,
         "Red",
         "",
         "",
         true,
         true,
         QColor(Qt::red),
         {}},
        {"a cyan brush fills the text cell", 3, ItemType::Url, 0, 0xFFFF00, "x", "https://example.org", "", false, true,
         Qt::black, QColor(0, 255, 255)},
        {"an empty name leaves the cell to its image",
         0,
         ItemType::Folder,
         0,
         0xFFFF00,
         "",
         "",
         "",
         true,
         false,
         {},
         {}},
        {"the Note column stays empty even with a comment",
         7,
         ItemType::Note,
         0,
         0xFFFF00,
         "n",
         "",
         "a comment",
         false,
         false,
         {},
         {}},
        {"the hidden Type column stays empty", 1, ItemType::Url, 0, 0xFFFF00, "n", "", "", false, false, {}, {}},
    };
    const QRect cell(0, 0, 300, 20);
    const QRect imageArea = OutlineCellPainter::imageRect(cell);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OneItem w;
        w.node->data.ItemType = c.itemType;
        w.node->data.Color = c.color;
        w.node->data.BkColor = c.bkColor;
        w.node->data.Name = c.name;
        w.node->data.URL = c.url;
        w.node->data.Note = c.note;
        const QImage image = w.paint(c.column, cell);

        if (c.image)
            EXPECT_GT(paintedIn(image, imageArea), 0);
        else
            EXPECT_EQ(paintedIn(image, QRect(0, 0, 8, 20)), 0) << "an image would start at x = 2";
        const QRect textArea(c.image ? imageArea.right() + 1 : 0, 0, 300, 20);
        EXPECT_EQ(paintedIn(image, textArea) > 0, c.text);
        EXPECT_EQ(paintedIn(image, QRect(300, 0, 100, 20)), 0) << "nothing outside the cell";
        if (c.glyphs) {
            const QColor want = *c.glyphs;
            EXPECT_GT(pixelsLike(image, textArea,
                                 [&](QColor p) {
                                     return std::abs(p.red() - want.red()) < 40 &&
                                            std::abs(p.green() - want.green()) < 40 &&
                                            std::abs(p.blue() - want.blue()) < 40;
                                 }),
                      0);
        }
        const int filled = c.fill ? pixelsLike(image, cell, [&](QColor p) { return p == *c.fill; }) : 0;
        if (c.fill) {
            // The cell behind the glyphs is filled; the margins and the rest of the line are not.
            EXPECT_GT(filled, 20);
            EXPECT_FALSE(painted(image, 2, 10));
            EXPECT_FALSE(painted(image, 290, 10));
        } else if (c.text) {
            // Transparent: around the glyphs the beneath colour shows through the text's line.
            EXPECT_FALSE(painted(
                image, OutlineCellPainter::textRect(OutlineCellPainter::contentRect(cell, c.column, c.itemType)).left(),
                0));
            EXPECT_EQ(pixelsLike(image, cell, [](QColor p) { return p == QColor(Qt::white); }), 0);
        }
    }
}

TEST(OutlineCellPainter, GroupsAreDrawnHeavierThanOtherItemsWithTheGroupImage) {
    auto ink = [](std::int32_t type) {
        OneItem w;
        w.node->data.ItemType = type;
        w.node->data.Name = "Bookmarks and more";
        const QImage image = w.paint(0, QRect(0, 0, 300, 20));
        return paintedIn(image, QRect(20, 0, 280, 20));
    };
    EXPECT_GT(ink(ItemType::Group), ink(ItemType::Url));

    OneItem w;
    w.node->data.ItemType = ItemType::Group;
    const QImage cell = w.paint(0, QRect(0, 0, 300, 20));
    QImage expected(cell.size(), cell.format());
    expected.fill(kBeneath);
    {
        QPainter p(&expected);
        ItemTypeImages::paint(p, ItemType::Group, OutlineCellPainter::imageRect(QRect(0, 0, 300, 20)));
    }
    EXPECT_EQ(cell, expected);
}

TEST(OutlineCellPainter, ClipsALongUrlAtTheColumnEdgeInsteadOfShorteningIt) {
    OneItem w;
    w.node->data.ItemType = ItemType::Url;
    w.node->data.URL = "https://example.org/" + std::string(80, 'W');
    const QRect cell(0, 0, 300, 20);
    const QImage image = w.paint(OutlineModel::UrlColumn, cell);
    const QRect text = OutlineCellPainter::textRect(cell);

    EXPECT_EQ(paintedIn(image, QRect(text.right() + 1, 0, 400 - text.right() - 1, 20)), 0);
    // Up to the edge the glyphs are whole letters, not the dots of a "...": ink on many lines.
    int linesWithInk = 0;
    for (int y = 0; y < 20; ++y)
        linesWithInk += paintedIn(image, QRect(text.right() - 9, y, 10, 1)) > 0 ? 1 : 0;
    EXPECT_GE(linesWithInk, 6);
}

TEST(OutlineCellPainter, NeverSuppliesAnEditor) {
    OneItem w;
    QWidget parent;
    EXPECT_EQ(w.painter.createEditor(&parent, QStyleOptionViewItem(), w.model.indexOf(w.node)), nullptr);
    EXPECT_EQ(w.painter.sizeHint(QStyleOptionViewItem(), w.model.indexOf(w.node)).height(), 20);
}

// ---- Whole rows in LinksTree -----------------------------------------------------------------

TEST(OutlineCellPainter, ItemBackgroundsFillWholeRowsOfLinksTree) {
    Outline outline;
    Node* cyan = outline.addChild(nullptr);
    cyan->data.Name = "Cyan row";
    cyan->data.ItemType = ItemType::Url;
    cyan->data.BkColor = 0xFFFF00;
    Node* plain = outline.addChild(nullptr);
    plain->data.Name = "Plain row";
    plain->data.ItemType = ItemType::Url;
    plain->data.Color = 0x0000FF;
    OutlineModel model(outline);
    OutlineView view(model);
    view.configureAsLinksTree();
    view.resize(1300, 200);
    view.show();

    const QColor cyanColour(0, 255, 255);
    auto rowPixels = [&](Node* node, int x) {
        const QImage image = view.viewport()->grab().toImage();
        const QRect row = view.visualRect(model.indexOf(node));
        return image.pixelColor(x, row.center().y());
    };
    const int columnsEnd = view.header()->length();
    ASSERT_LT(columnsEnd, view.viewport()->width() - 20);
    // Indentation, inside the name column, the empty URL cell, the Note column, beyond the columns.
    for (int x : {3, 300, 750, 1100, columnsEnd + 10}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(rowPixels(cyan, x), cyanColour);
        EXPECT_EQ(rowPixels(plain, x), QColor(Qt::white));
    }

    // Selected, the row is tinted; the filled text cell keeps the item's colour exactly, while the
    // transparent text background of the other row takes the tint.
    outline.setSelected(cyan, true);
    outline.setSelected(plain, true);
    const QImage image = view.viewport()->grab().toImage();
    auto textArea = [&](Node* node) {
        const QRect cell = view.visualRect(model.indexOf(node));
        return QRect(cell.left() + 20 + 8, cell.top(), 100, cell.height() - 1);
    };
    auto count = [&](const QRect& area, const QColor& colour) {
        return pixelsLike(image, area, [&](QColor p) { return p == colour; });
    };
    EXPECT_GT(count(textArea(cyan), cyanColour), 30);
    EXPECT_EQ(count(QRect(700, textArea(cyan).top(), 100, 19), cyanColour), 0);
    EXPECT_EQ(count(textArea(plain), QColor(Qt::white)), 0);
}

} // namespace
