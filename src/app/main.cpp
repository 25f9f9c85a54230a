// Wendelmoor: the program start.
#include "app/BookmarkOptions.h"
#include "app/CommandLine.h"
#include "app/SplashWindow.h"
#include "app/TForm1.h"
#include "collection/CollectionPreload.h"
#include "platform/qt/InstanceHandover.h"
#include "platform/qt/LockFiles.h"
#include "platform/qt/QtBackgroundWork.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPreferences.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/UnavailableHotKeyService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/LocaleClock.h"
#include "platform/portal/PortalHotKeyService.h"
#include "platform/qt/TerminationSignals.h"
#include "platform/xdg/AppFolders.h"
#include "platform/xdg/Autostart.h"
#include "platform/xdg/SessionFileBrowserWindows.h"
#include "platform/xdg/XdgUrlCache.h"
#include "platform/x11/THotKeyManager.h"
#include "ui/TAboutForm.h"
#include "ui/TLinkPropForm.h"

#include <QApplication>
#include <QDBusConnection>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <iostream>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    if (!text.isEmpty())
        std::fputs(text.toLocal8Bit().constData(), stream);
}

// What this start asks of a program already running for the same data folder.
std::vector<HandoverRequest> requestsOf(const StartRequest& request) {
    if (!request.importFile.isEmpty())
        return {{"import", request.importFile.toStdString()}};
    if (!request.collection.isEmpty())
        return {{"open", request.collection.toStdString()}};
    if (request.hidden)
        return {};  // that program runs already, which is all a hidden start wants
    return {{"show", {}}};
}

bool waylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    // The command line first: its help, version and errors need no desktop.
    const CommandLineOutcome commandLine = parseCommandLine(argumentsOf(argc, argv), QStringLiteral(WENDELMOOR_VERSION));
    print(stdout, commandLine.output);
    print(stderr, commandLine.error);
    if (!commandLine.start)
        return commandLine.exitStatus;
    const StartRequest& request = commandLine.request;

    // The bookmark options: "--export" needs no display and ends here; "--import" reads its file now,
    // so that a wrong file is reported where it was typed.
    const XdgFolders userFolders = XdgFolders::ofThisProcess();
    BookmarkOptions bookmarkFiles;
    if (!request.importFile.isEmpty())
        bookmarkFiles.importFile = request.importFile.toStdString();
    if (!request.exportFile.isEmpty())
        bookmarkFiles.exportFile = request.exportFile.toStdString();
    const AppFolders folders = AppFolders::decide(runningProgramFolder(), userFolders.dataHome);
    if (const std::optional<int> status = runBookmarkOptions(bookmarkFiles, folders.data, std::cerr))
        return *status;

    // The start collection is read on a thread of its own while the windows are made. A start that
    // hands over to a running program does not wait for it.
    CollectionPreload startCollection;
    startCollection.start(request.collection.isEmpty() ? Documents::defaultCollectionPathIn(folders.data)
                                                       : request.collection.toStdString());

    QApplication app(argc, argv);                       // 1.
    QApplication::setApplicationName("Wendelmoor");
    QApplication::setApplicationVersion(WENDELMOOR_VERSION);
    QGuiApplication::setDesktopFileName(kApplicationId);

    const std::string folderError = folders.makeDataFolder();

    // One program at a time for a data folder: a later start hands its request over and ends.
    InstanceHandover handover(QString::fromStdString(folders.data));
    QString handoverError;
    if (!handover.claim(handoverError)) {
        if (handover.handOver(requestsOf(request), handoverError))
            return 0;
        print(stderr, QStringLiteral("wendelmoor: %1\n").arg(handoverError));
        return 1;
    }

    auto splash = std::make_unique<SplashWindow>();      // 2. shown and painted before anything else
    if (!request.hidden) {
        splash->show();
        QApplication::processEvents();
    }

    QApplication::setApplicationDisplayName("Wendelmoor");  // 3.

    QtDialogs dialogs;
    // Global hot keys: the desktop portal in a Wayland session, key grabs in an X11 session, and none
    // elsewhere (the user is told once, at the first "Assign"). Grabs on a Wayland desktop's X server
    // would only hear keys while one of its X windows has the focus.
    UnavailableHotKeyService noHotKeys;
    const bool wayland = waylandSession();
    const std::unique_ptr<PortalHotKeyService> portalHotKeys =
        wayland ? PortalHotKeyService::connect(QDBusConnection::sessionBus()) : nullptr;
    const std::unique_ptr<THotKeyManager> x11HotKeys = wayland ? nullptr : THotKeyManager::forApplication();
    HotKeyService& hotKeys = portalHotKeys ? static_cast<HotKeyService&>(*portalHotKeys)
                             : x11HotKeys  ? static_cast<HotKeyService&>(*x11HotKeys)
                                           : noHotKeys;
    QtClipboard clipboard;
    LinuxShell shell(dialogs);
    LocaleClock clock;
    QtTrayIcon tray;
    SessionFileBrowserWindows browserWindows(userFolders);
    XdgUrlCache urlCache = XdgUrlCache::ofUser(userFolders);
    XdgAutostart autostart(userFolders.configHome, QApplication::applicationFilePath().toStdString());
    LockFiles collectionLocks;
    QtPreferences preferences(QtPreferences::userFile());
    QtBackgroundWork backgroundWork;
    TForm1 form(folders, TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray, browserWindows, urlCache,
                                        autostart, &collectionLocks, preferences, backgroundWork});  // 4.
    backgroundWork.setParent(&form);
    dialogs.setParent(&form);
    backgroundWork.setParent(&form);
    tray.attach(&form);
    if (!folderError.empty())
        dialogs.showError(folderError);
    if (!request.collection.isEmpty())
        form.setStartCollection(request.collection.toStdString());
    // The dialogs need nothing of the collection, so they are made while it is still being read.
    TLinkPropForm linkPropForm(form.LinksTree(), dialogs, hotKeys, &form);  // 5.
    form.setLinkPropForm(&linkPropForm);
    TAboutForm aboutForm(WENDELMOOR_VERSION, form.RbStyleManager1(), &form);
    form.setAboutForm(&aboutForm);
    form.setStartPreload(&startCollection);
    form.FormCreate();
    splash.reset();                                     // 6.

    // The collection is written however the program ends: closing the window, the desktop session
    // ending, or a request to stop from outside.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager&) { form.saveForShutdown(); });
    TerminationSignals stopRequests;
    QObject::connect(&stopRequests, &TerminationSignals::terminationRequested, &form, [&form](int) { form.close(); });
    if (!handoverError.isEmpty())
        print(stderr, QStringLiteral("wendelmoor: %1\n").arg(handoverError));
    handover.setRequestHandler([&form](const HandoverRequest& r) { form.HandOverRequest(r.verb, r.argument); });

    if (request.hidden)
        form.startHidden();
    else
        form.show();
    if (bookmarkFiles.imported)
        QTimer::singleShot(0, &form, [&form, &bookmarkFiles] {
            form.importBookmarkFile(*bookmarkFiles.importFile, std::move(*bookmarkFiles.imported));
            bookmarkFiles.imported.reset();
        });
    return QApplication::exec();                        // 7.
}
