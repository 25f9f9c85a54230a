// Wendelmoor: the program start.
#include "app/BookmarkOptions.h"
#include "app/SplashWindow.h"
#include "app/TForm1.h"
#include "platform/qt/QtBackgroundWork.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/UnavailableHotKeyService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/LocaleClock.h"
#include "platform/qt/TerminationSignals.h"
#include "platform/xdg/SessionFileBrowserWindows.h"
#include "platform/xdg/XdgUrlCache.h"
#include "platform/x11/THotKeyManager.h"
#include "ui/TAboutForm.h"
#include "ui/TLinkPropForm.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include <iostream>

int main(int argc, char** argv) {
    // "--export" needs no display: it is done before anything of Qt starts.
    BookmarkOptions bookmarkFiles = bookmarkOptions(argc, argv);
    if (const std::optional<int> status = runBookmarkOptions(bookmarkFiles, runningProgramFolder(), std::cerr))
        return *status;

    QApplication app(argc, argv);                       // 1.

    auto splash = std::make_unique<SplashWindow>();      // 2. shown and painted before anything else
    splash->show();
    QApplication::processEvents();

    QApplication::setApplicationName("Wendelmoor");     // 3.
    QApplication::setApplicationDisplayName("Wendelmoor");

    QtDialogs dialogs;
    // Global hot keys need an X11 connection; without one (Wayland only, offscreen) none is registered.
    UnavailableHotKeyService noHotKeys;
    const std::unique_ptr<THotKeyManager> x11HotKeys = THotKeyManager::forApplication();
    HotKeyService& hotKeys = x11HotKeys ? static_cast<HotKeyService&>(*x11HotKeys) : noHotKeys;
    QtClipboard clipboard;
    LinuxShell shell(dialogs);
    LocaleClock clock;
    QtTrayIcon tray;
    const XdgFolders userFolders = XdgFolders::ofThisProcess();
    SessionFileBrowserWindows browserWindows(userFolders);
    XdgUrlCache urlCache = XdgUrlCache::ofUser(userFolders);
    QtBackgroundWork backgroundWork;
    TForm1 form(QApplication::applicationDirPath().toStdString() + "/",
                TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray, browserWindows, urlCache, backgroundWork});  // 4.
    dialogs.setParent(&form);
    backgroundWork.setParent(&form);
    tray.attach(&form);
    form.FormCreate();
    TLinkPropForm linkPropForm(form.LinksTree(), dialogs, hotKeys, &form);  // 5.
    form.setLinkPropForm(&linkPropForm);
    TAboutForm aboutForm(WENDELMOOR_VERSION, form.RbStyleManager1(), &form);
    form.setAboutForm(&aboutForm);
    splash.reset();                                     // 6.

    // The collection is written however the program ends: closing the window, the desktop session
    // ending, or a request to stop from outside.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager&) { form.saveForShutdown(); });
    TerminationSignals stopRequests;
    QObject::connect(&stopRequests, &TerminationSignals::terminationRequested, &form, [&form](int) { form.close(); });

    form.show();
    if (bookmarkFiles.imported)
        QTimer::singleShot(0, &form, [&form, &bookmarkFiles] {
            form.importBookmarkFile(*bookmarkFiles.importFile, std::move(*bookmarkFiles.imported));
            bookmarkFiles.imported.reset();
        });
    return QApplication::exec();                        // 7.
}
