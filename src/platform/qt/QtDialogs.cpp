#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString qt(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// "Wendelmoor files|*.goto" becomes "Wendelmoor files (*.goto)"; a bare "*.goto" stays as it is.
QString nameFilter(const std::string& filter) {
    auto bar = filter.find('|');
    if (bar == std::string::npos)
        return qt(filter);
    return qt(filter.substr(0, bar)) + " (" + qt(filter.substr(bar + 1)) + ")";
}

std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, qt(request.title), qt(request.startFolder), nameFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(qt(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, save);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

void QtDialogs::showMessage(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), qt(text));
}

void QtDialogs::showError(const std::string& text) {
    QMessageBox::critical(parent_, QApplication::applicationName(), qt(text));
}

std::optional<std::string> QtDialogs::askOpenFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, false);
}

std::optional<std::string> QtDialogs::askSaveFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, true);
}
