// The splash window shown while the main window is created: borderless, white, 349 x 224, centred,
// one picture; a click closes it.
#pragma once

#include <QSplashScreen>

class SplashWindow : public QSplashScreen {
public:
    SplashWindow();
    static QPixmap picture();
};
