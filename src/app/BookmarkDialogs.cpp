#include "BookmarkDialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kAnyFile = "Bookmark files (HTML, places.sqlite, Bookmarks)|*";

} // namespace

std::optional<BookmarkImportChoice> chooseBookmarkImport(const std::vector<BookmarkSourceFile>& profiles,
                                                         Dialogs& dialogs, const std::string& startFolder, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ImportBookmarksDialog"));
    dialog.setWindowTitle(QStringLiteral("Import Bookmarks"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("&Import from:"), &dialog);
    auto* sources = new QListWidget(&dialog);
    sources->setObjectName(QStringLiteral("sources"));
    label->setBuddy(sources);
    for (const BookmarkSourceFile& p : profiles) {
        auto* row = new QListWidgetItem(qt(p.label), sources);
        row->setToolTip(qt(p.path));
    }
    new QListWidgetItem(QStringLiteral("Bookmarks file…"), sources);
    sources->setCurrentRow(0);
    auto* leaveOut = new QCheckBox(QStringLiteral("&Leave out bookmarks already in the collection"), &dialog);
    leaveOut->setObjectName(QStringLiteral("leaveOutKnown"));
    leaveOut->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(sources, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(sources);
    layout->addWidget(leaveOut);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    BookmarkImportChoice choice;
    choice.leaveOutKnown = leaveOut->isChecked();
    const int row = sources->currentRow();
    if (row >= 0 && row < static_cast<int>(profiles.size())) {
        choice.path = profiles[static_cast<std::size_t>(row)].path;
        choice.label = profiles[static_cast<std::size_t>(row)].label;
        return choice;
    }
    const std::optional<std::string> file = dialogs.askOpenFileName({"Import Bookmarks", startFolder, kAnyFile, ""});
    if (!file)
        return std::nullopt;
    choice.path = *file;
    return choice;
}

std::optional<BookmarkExportChoice> chooseBookmarkExport(bool selection, Dialogs& dialogs, const std::string& startFolder,
                                                         QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ExportBookmarksDialog"));
    dialog.setWindowTitle(QStringLiteral("Export Bookmarks"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("&File:"), &dialog);
    auto* path = new QLineEdit(qt(startFolder + "bookmarks.html"), &dialog);
    path->setObjectName(QStringLiteral("path"));
    label->setBuddy(path);
    auto* browse = new QPushButton(QStringLiteral("&Browse…"), &dialog);
    auto* row = new QHBoxLayout;
    row->addWidget(path, 1);
    row->addWidget(browse);
    auto* selectedOnly = new QCheckBox(QStringLiteral("&Selected items only"), &dialog);
    selectedOnly->setObjectName(QStringLiteral("selectedOnly"));
    selectedOnly->setChecked(selection);
    selectedOnly->setEnabled(selection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (!path->text().trimmed().isEmpty())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        if (auto chosen = dialogs.askSaveFileName({"Export Bookmarks", startFolder, "HTML bookmark files|*.html", "html"}))
            path->setText(qt(*chosen));
    });
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(selectedOnly);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return BookmarkExportChoice{path->text().trimmed().toStdString(), selectedOnly->isChecked()};
}
