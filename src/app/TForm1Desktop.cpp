// The window's side of the desktop: starting hidden, the requests of a second start, starting with
// the desktop, and the tooltips of the buttons.
#include "TForm1.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

void TForm1::setUpDesktop() {
    QAction* entry = actionFor("StartWithTheDesktop1Click");
    QAction* service = actionAt("Service");
    if (!entry || !service || !service->menu())
        return;
    entry->setChecked(services_.autostart.enabled());
    connect(service->menu(), &QMenu::aboutToShow, this,
            [this, entry] { entry->setChecked(services_.autostart.enabled()); });
}

void TForm1::StartWithTheDesktop1Click() {
    if (const std::string error = services_.autostart.setEnabled(!services_.autostart.enabled()); !error.empty())
        services_.dialogs.showError(error);
    if (QAction* entry = actionFor("StartWithTheDesktop1Click"))
        entry->setChecked(services_.autostart.enabled());
}

void TForm1::startHidden() {
    trayCommands_.startHidden();
}

void TForm1::HandOverRequest(std::string_view verb, const std::string& argument) {
    if ((verb == "open" || verb == "import") && QApplication::activeModalWidget()) {
        // A dialog may be working on the outline (the properties of an item): the collection is
        // changed once it has closed.
        QTimer::singleShot(300, this, [this, verb = std::string(verb), argument] { HandOverRequest(verb, argument); });
        trayCommands_.bringBack();
        return;
    }
    if (verb == "open") {
        documentCommands_.openCollection(argument);
        showOpenedFile();
    } else if (verb == "import") {
        trayCommands_.bringBack();
        importBookmarkPath(argument);
        return;
    } else if (verb != "show") {
        return; // a request of a later version
    }
    trayCommands_.bringBack();
}

QString TForm1::toolTipFor(std::string_view handler, const QString& caption) const {
    if (handler == "SpeedButton9Click")
        handler = "Props_mpClick"; // the "Props" button runs the Properties command
    // The address bar's buttons have no menu entry.
    if (handler == "RbButton2Click")
        return QStringLiteral("Go to the Address (Enter)");
    if (handler == "RbButton16Click")
        return QStringLiteral("Search Google for the Address");
    const QAction* action = actionFor(handler);
    if (!action)
        return caption;
    QString text = action->text().remove(QLatin1Char('&'));
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    return key.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, key);
}
