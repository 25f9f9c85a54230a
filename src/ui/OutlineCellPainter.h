// Paints the cells of the three outlines from their items' records: the item-type image in the
// first column, and each column's text in the item's font and colours. The decisions are small
// static functions, so they can be checked without painting.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>
#include <functional>

class OutlineCellPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kTextMargin = 8;              // the outline's text margin
    static constexpr int kOutlineMargin = 4;           // the outline's margin
    static constexpr int kNodeWidth = 2 * kTextMargin; // the node width the shortening rule compares with
    static constexpr int kRowHeight = 20;
    static constexpr int kImageGap = 2; // space on each side of the item-type image

    // How the texts of one item look.
    struct TextLook {
        bool bold = false;
        QColor text;                  // the glyphs
        QColor background;            // the text background brush
        bool fillsBackground = false; // false: the glyphs are drawn straight over the row
        bool operator==(const TextLook&) const = default;
    };

    // A colour value as the collection stores it, 0x00BBGGRR; the highest byte is ignored.
    static QColor windowsColor(std::int32_t value);
    // Bold for a Group (ItemType 0) only; colour Color, else black; brush BkColor, else white; a
    // white brush leaves the text background transparent.
    static TextLook textLook(std::int32_t itemType, std::int32_t color, std::int32_t bkColor);
    // Tahoma 9 pt (or the nearest sans serif face the system has), bold as textLook says.
    static QFont cellFont(std::int32_t itemType);
    // The colour every row of LinksTree is erased with: BkColor, else white.
    static QColor rowBackground(std::int32_t bkColor);
    // Whether the cell shows the item-type image: the first column only, for types that have one.
    static bool showsImage(int column, std::int32_t itemType);
    // Where the image goes in a first-column cell: 16 by 16, after a small gap, vertically centred.
    static QRect imageRect(const QRect& cellRect);
    // The cell's content: the cell less the image and the gaps around it when it shows one.
    static QRect contentRect(const QRect& cellRect, int column, std::int32_t itemType);
    // The content narrowed by the text margin on both sides, then right and bottom edges moved in by 1.
    static QRect textRect(const QRect& contentRect);
    // The shortening rule: only when the width is below the node width less twice the outline
    // margin (8 pixels) is the text replaced by its longest beginning that fits together with "...",
    // or by nothing when not even "..." fits. Wider rectangles keep the whole text, which the
    // drawing then clips.
    using Measure = std::function<int(const QString&)>;
    static QString shortenedText(const QString& text, int width, const Measure& measure);

    explicit OutlineCellPainter(QObject* parent = nullptr);

    // Reads the text from Qt::DisplayRole and the numbers from OutlineModel's ItemTypeRole,
    // ColorRole and BkColorRole. Selection, focus and row backgrounds are the view's.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Cells may be edited, but no editor is supplied: every editing request ends without one.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
