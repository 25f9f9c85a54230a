#include "QuickLauncherKeyDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

std::optional<std::string> QuickLauncherKeyDialog::ask(QWidget* parent, const std::string& current) {
    QDialog dialog(parent);
    dialog.setObjectName("QuickLauncherKeyDialog");
    dialog.setWindowTitle("Quick Launcher Key");
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel("The key that opens the quick launcher from anywhere on the desktop,\n"
                                 "as Ctrl+Alt+Space, Shift+Win+F8 or Alt+Home:",
                                 &dialog));
    auto* box = new QLineEdit(QString::fromStdString(current), &dialog);
    box->setObjectName("QuickLauncherKeyBox");
    box->selectAll();
    column->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return box->text().trimmed().toStdString();
}
