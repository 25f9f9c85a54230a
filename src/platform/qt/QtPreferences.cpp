#include "QtPreferences.h"

#include "platform/xdg/XdgFolders.h"

#include <QSettings>
#include <QString>

std::string QtPreferences::userFile() {
    return XdgFolders::ofThisProcess().configHome + "/wendelmoor/wendelmoor.conf";
}

std::string QtPreferences::value(const std::string& name) const {
    const QSettings settings(QString::fromStdString(file_), QSettings::IniFormat);
    return settings.value(QString::fromStdString(name)).toString().toStdString();
}

bool QtPreferences::setValue(const std::string& name, const std::string& text) {
    QSettings settings(QString::fromStdString(file_), QSettings::IniFormat);
    settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
