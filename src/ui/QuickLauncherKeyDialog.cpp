#include "QuickLauncherKeyDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The names Qt gives keys where the program's key names differ.
QString keyName(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        return "Page Up";
    case Qt::Key_PageDown:
        return "Page Down";
    case Qt::Key_Delete:
        return "Delete";
    case Qt::Key_Insert:
        return "Insert";
    case Qt::Key_Escape:
        return "Esc";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Enter";
    default:
        return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}

// A combination pressed in the box (a key with Ctrl, Alt or Win held) is written into it, as
// "Ctrl+Alt+Space"; plain keys edit the text as usual.
class KeyRecorder : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* press = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = press->modifiers();
        const int key = press->key();
        const bool modifierKey = key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift ||
                                 key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
                                 key == Qt::Key_Super_R;
        if (modifierKey || !(held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        QString text;
        if (held & Qt::ControlModifier)
            text += "Ctrl+";
        if (held & Qt::ShiftModifier)
            text += "Shift+";
        if (held & Qt::AltModifier)
            text += "Alt+";
        if (held & Qt::MetaModifier)
            text += "Win+";
        static_cast<QLineEdit*>(watched)->setText(text + keyName(key));
        return true;
    }
};

} // namespace

std::optional<std::string> QuickLauncherKeyDialog::ask(QWidget* parent, const std::string& current) {
    QDialog dialog(parent);
    dialog.setObjectName("QuickLauncherKeyDialog");
    dialog.setWindowTitle("Quick Launcher Key");
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel("Press the key combination that opens the quick launcher from anywhere\n"
                                 "on the desktop, or write it, as Ctrl+Alt+Space, Shift+Win+F8 or Alt+Home:",
                                 &dialog));
    auto* box = new QLineEdit(QString::fromStdString(current), &dialog);
    box->setObjectName("QuickLauncherKeyBox");
    box->installEventFilter(new KeyRecorder(box));
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
