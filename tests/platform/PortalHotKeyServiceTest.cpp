// Global hot keys through the desktop portal, against the stand-in portal on a private session bus:
// the session made at start, one bind for a run of registrations, the "Activated" signal reaching
// the press handler (and, in the window, the items with that key in document order), and the
// session closed at the end; and reminders in the desktop's notifications.
#include "platform/portal/PortalHotKeyService.h"
#include "app/TForm1.h"
#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"
#include "fakes/RecordedWindowServices.h"
#include "platform/qt/QtTrayIcon.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

constexpr std::uint32_t kCtrlAltHome = 0xC024;
constexpr std::uint32_t kCtrlShiftF5 = 0x6074;

// A private session bus (its own dbus-daemon) and, when asked, the stand-in portal on it.
struct PrivateBus : ::testing::Test {
    QProcess daemon, standIn;
    QDBusConnection bus{QString()};     // the program's
    QDBusConnection control{QString()}; // the test's own, to the stand-in's control interface

    void SetUp() override {
        daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(daemon.waitForStarted()) << "dbus-daemon could not start";
        ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 5000)) << "dbus-daemon gave no address";
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        bus = QDBusConnection::connectToBus(address, QStringLiteral("program-%1").arg(++connections));
        control = QDBusConnection::connectToBus(address, QStringLiteral("control-%1").arg(connections));
        ASSERT_TRUE(bus.isConnected() && control.isConnected());
    }
    void TearDown() override {
        standIn.kill();
        standIn.waitForFinished();
        QDBusConnection::disconnectFromBus(bus.name());
        QDBusConnection::disconnectFromBus(control.name());
        daemon.kill();
        daemon.waitForFinished();
    }
    void startPortal() {
        standIn.setProcessChannelMode(QProcess::ForwardedChannels);
        standIn.start(QStringLiteral(WENDELMOOR_PORTAL_STAND_IN), {address});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return bus.interface()->isServiceRegistered("org.freedesktop.portal.Desktop"); }, 5000))
            << "the stand-in portal did not start";
    }
    std::vector<std::string> portalCalls() {
        const QDBusMessage reply = control.call(QDBusMessage::createMethodCall(
            "org.freedesktop.portal.Desktop", "/standin", "org.wendelmoor.PortalStandIn", "Calls"));
        std::vector<std::string> calls;
        for (const QString& call : reply.arguments().value(0).toStringList())
            calls.push_back(call.toStdString());
        return calls;
    }
    void activate(const QString& id) {
        QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", "/standin",
                                                           "org.wendelmoor.PortalStandIn", "Activate");
        call << id;
        const QDBusMessage reply = control.call(call);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }
    bool waitForCalls(int count) {
        return QTest::qWaitFor([&] { return portalCalls().size() >= static_cast<std::size_t>(count); }, 5000);
    }

    QString address;
    static inline int connections = 0;
};

TEST_F(PrivateBus, WithoutThePortalNoServiceIsMade) {
    EXPECT_EQ(PortalHotKeyService::connect(bus), nullptr);
}

TEST_F(PrivateBus, KeysAreBoundInOneRunPressedThroughActivatedAndTheSessionClosedAtTheEnd) {
    startPortal();
    auto service = PortalHotKeyService::connect(bus);
    ASSERT_NE(service, nullptr);
    std::vector<std::pair<std::uint32_t, int>> presses;
    service->setPressHandler([&](std::uint32_t value, int identifier) { presses.emplace_back(value, identifier); });

    const int home = service->registerHotKey(kCtrlAltHome);
    const int f5 = service->registerHotKey(kCtrlShiftF5);
    EXPECT_NE(home, 0);
    EXPECT_NE(f5, home);
    EXPECT_EQ(service->registerHotKey(kCtrlAltHome), home); // held already: the same identifier
    ASSERT_TRUE(waitForCalls(2));
    EXPECT_THAT(portalCalls(),
                ElementsAre("create-session", "bind Ctrl+Shift+F5=CTRL+SHIFT+F5 Ctrl+Alt+Home=CTRL+ALT+Home"));

    activate("Ctrl+Shift+F5");
    activate("Ctrl+Alt+F9"); // not the program's: ignored
    activate("Ctrl+Alt+Home");
    ASSERT_TRUE(QTest::qWaitFor([&] { return presses.size() >= 2; }, 5000));
    EXPECT_THAT(presses, ElementsAre(std::pair{kCtrlShiftF5, f5}, std::pair{kCtrlAltHome, home}));

    EXPECT_TRUE(service->unregisterHotKey(kCtrlShiftF5));
    EXPECT_FALSE(service->unregisterHotKey(kCtrlShiftF5));
    ASSERT_TRUE(waitForCalls(3));
    EXPECT_EQ(portalCalls().at(2), "bind Ctrl+Alt+Home=CTRL+ALT+Home");

    service.reset();
    const std::vector<std::string> calls = portalCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_TRUE(calls[3].starts_with("close /org/freedesktop/portal/desktop/session/")) << calls[3];
}

TEST_F(PrivateBus, AnActivatedKeyLaunchesTheWindowsItemsWithThatKeyInDocumentOrder) {
    startPortal();
    auto portal = PortalHotKeyService::connect(bus);
    ASSERT_NE(portal, nullptr);
    ScratchProgramFolder scratch("portal");
    Outline collection;
    for (const char* name : {"first", "other", "second"}) {
        Node* n = addNamed(collection, nullptr, name);
        n->data.ItemType = ItemType::Url;
        n->data.URL = std::string("https://example.org/") + name;
        n->data.HotKey = std::string_view(name) == "other" ? "Ctrl+Shift+F5" : "Ctrl+Alt+Home";
    }
    writeFileSafely(scratch.programFolder() + "links.goto", writeOutline(collection));
    RecordedWindowServices services;
    TForm1 form(scratch.programFolder(), TForm1Services{services.dialogs, *portal, services.clipboard, services.shell,
                                                        services.clock, services.tray});
    form.FormCreate();
    ASSERT_TRUE(waitForCalls(2));

    activate("Ctrl+Alt+Home");
    ASSERT_TRUE(QTest::qWaitFor([&] { return services.shell.requests.size() >= 2; }, 5000));
    EXPECT_EQ(services.shell.requests[0].parameters, " -new https://example.org/first");
    EXPECT_EQ(services.shell.requests[1].parameters, " -new https://example.org/second");
}

TEST_F(PrivateBus, WhereNoBalloonCanShowAReminderGoesToTheDesktopsNotifications) {
    startPortal();
    QtTrayIcon tray([] { return false; }); // no notification area
    tray.setNotificationBus(bus);
    tray.showBalloon("Reminder", "Call the garage", 5);
    ASSERT_TRUE(waitForCalls(1));
    EXPECT_THAT(portalCalls(), ElementsAre("notify Wendelmoor: Reminder|Call the garage|5000"));
}

} // namespace
