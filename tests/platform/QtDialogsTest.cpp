// The message boxes on Qt's offscreen platform: each is read and closed as it opens.
#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

// Runs `show`, which opens a modal message box, and reports the box it opened.
ShownBox boxShownBy(const std::function<void()>& show) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->icon(), box->text(), box->textFormat()};
        box->accept();
    });
    show();
    return shown;
}

TEST(QtDialogs, MessagesArePlainTextWhoseCarriageReturnsBreakTheLine) {
    QtDialogs dialogs(nullptr);
    const ShownBox warning = boxShownBy([&] { dialogs.showWarning("\"Ctrl+F5\" is already used\rand therefore <b>not</b> set"); });
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.text, "\"Ctrl+F5\" is already used\nand therefore <b>not</b> set");
    EXPECT_EQ(warning.format, Qt::PlainText);
    EXPECT_EQ(boxShownBy([&] { dialogs.showError("a\r\nb"); }).text, "a\nb");
    EXPECT_EQ(boxShownBy([&] { dialogs.showMessage("no selection!"); }).icon, QMessageBox::Information);
}

}  // namespace
