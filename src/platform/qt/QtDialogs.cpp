#include "QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
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

// A message box with "OK". Its text is plain text, whatever it holds ("<" in a file name or an item's
// text is not markup), and a carriage return breaks the line as the messages mean it to.
void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    QString lines = qt(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QApplication::applicationName(), lines, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void QtDialogs::showMessage(const std::string& text) { showBox(parent_, QMessageBox::Information, text); }

void QtDialogs::showWarning(const std::string& text) { showBox(parent_, QMessageBox::Warning, text); }

void QtDialogs::showError(const std::string& text) { showBox(parent_, QMessageBox::Critical, text); }

std::optional<std::string> QtDialogs::askOpenFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, false);
}

std::optional<std::string> QtDialogs::askSaveFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, true);
}

std::optional<std::int32_t> QtDialogs::askColor(std::int32_t initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::int32_t>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}
