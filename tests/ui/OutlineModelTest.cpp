#include "support/TestOutlines.h"
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

} // namespace
