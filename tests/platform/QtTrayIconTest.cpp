// The notification-area icon over QSystemTrayIcon, watching a window on Qt's offscreen platform.
#include "platform/qt/QtTrayIcon.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct QtTrayIconTest : ::testing::Test {
    bool notificationArea = true;
    QtTrayIcon icon{[this] { return notificationArea; }};
    QWidget window;
    int clicks = 0;
    int minimizedToTray = 0;

    void SetUp() override {
        icon.setOnClick([this] { ++clicks; });
        icon.setOnMinimizeToTray([this] { ++minimizedToTray; });
        icon.attach(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(QtTrayIconTest, IsShownWithTheTooltipAndReportsOnlyPlainClicks) {
    EXPECT_TRUE(icon.systemTrayIcon().isVisible());
    EXPECT_EQ(icon.systemTrayIcon().toolTip(), "Wendelmoor");
    EXPECT_FALSE(icon.systemTrayIcon().icon().isNull());
    emit icon.systemTrayIcon().activated(QSystemTrayIcon::Trigger);
    emit icon.systemTrayIcon().activated(QSystemTrayIcon::Context);
    emit icon.systemTrayIcon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(clicks, 1);
}

TEST_F(QtTrayIconTest, MinimisingHidesTheWindowIntoTheNotificationAreaAndShowingRestoresIt) {
    window.setWindowState(Qt::WindowMaximized);
    window.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
    EXPECT_EQ(minimizedToTray, 1);

    icon.showMainWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isMaximized()) << "restored to the state it had before it was minimised";

    icon.hideMainWindow();
    EXPECT_FALSE(window.isVisible());
    icon.showMainWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(minimizedToTray, 1) << "only minimising is reported";
}

TEST_F(QtTrayIconTest, WithoutANotificationAreaAMinimisedWindowKeepsItsTaskbarButton) {
    notificationArea = false;
    icon.minimizeMainWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(minimizedToTray, 0);
}

} // namespace
