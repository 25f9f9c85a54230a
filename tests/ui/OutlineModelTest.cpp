#include "support/TestOutlines.h"
#include "ui/ItemTypeImages.h"
#include "ui/OutlineModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Every outline operation, watched by Qt's model checker in fatal mode.
TEST(OutlineModel, FollowsEveryOutlineOperationConsistently) {
    Outline outline;
    OutlineModel model(outline);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    Node* a = addNamed(outline, nullptr, "A");
    Node* a1 = addNamed(outline, a, "A1");
    addNamed(outline, a1, "A1a");
    Node* b = addNamed(outline, nullptr, "B");
    outline.moveNode(a1, b, AttachMode::LastChild);
    outline.moveNode(b, a, AttachMode::Before);
    outline.moveNode(a, b, AttachMode::Before);
    outline.copyNode(b, a, AttachMode::FirstChild);
    outline.setSelected(a, true);
    outline.setExpanded(a, true);
    outline.selectAll();
    outline.deleteSelected();
    {
        OutlineUpdate update(outline);
        for (int i = 0; i < 10; ++i)
            addNamed(outline, nullptr, "n" + std::to_string(i));
    }
    outline.sortRootChildren(false);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.data(model.index(0, OutlineModel::NameColumn)).toString(), "n9");
}

TEST(OutlineModel, ShowsEightBitTextsAsWindows1252AndNamesItsColumns) {
    Outline outline;
    OutlineModel model(outline);
    Node* n = addNamed(outline, nullptr, "Gr\xFC\xDF" "e");
    n->data.URL = "https://example.org/";
    EXPECT_EQ(model.data(model.index(0, OutlineModel::NameColumn)).toString(), QString::fromUtf8("Grüße"));
    EXPECT_EQ(model.data(model.index(0, OutlineModel::UrlColumn)).toString(), "https://example.org/");
    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers.join(","), "name,Type,HotKey,URL,Params,Dir,AccessInfo,Note");

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    n->data.Name = "renamed";
    outline.recordChanged(n);
    EXPECT_EQ(changed.count(), 1);
}

// A cell painter reads the record's numbers in every column; a header may carry a picture.
TEST(OutlineModel, GivesPaintersTheRecordNumbersAndHeadersTheirPictures) {
    Outline outline;
    OutlineModel model(outline);
    Node* n = addNamed(outline, nullptr, "n");
    n->data.ItemType = -1;
    n->data.Color = 0x0000FF;
    n->data.BkColor = 0xFFFF00;
    for (int column : {OutlineModel::NameColumn, OutlineModel::NoteColumn}) {
        const QModelIndex index = model.index(0, column);
        EXPECT_EQ(index.data(OutlineModel::ItemTypeRole).toInt(), -1);
        EXPECT_EQ(index.data(OutlineModel::ColorRole).toInt(), 0x0000FF);
        EXPECT_EQ(index.data(OutlineModel::BkColorRole).toInt(), 0xFFFF00);
    }

    QSignalSpy headerChanged(&model, &QAbstractItemModel::headerDataChanged);
    model.setHeaderImage(OutlineModel::NameColumn, ItemTypeImages::icon(1));
    EXPECT_EQ(headerChanged.count(), 1);
    const QVariant image = model.headerData(OutlineModel::NameColumn, Qt::Horizontal, Qt::DecorationRole);
    EXPECT_FALSE(image.value<QIcon>().isNull());
    EXPECT_FALSE(model.headerData(OutlineModel::UrlColumn, Qt::Horizontal, Qt::DecorationRole).isValid());
}

} // namespace
