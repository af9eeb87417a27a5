// The player's settings file.
#include "platform/PlayerSettings.h"

#include <QStandardPaths>

QString PlayerSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kavrin-puzzle/settings.ini";
}

std::unique_ptr<QSettings> OpenPlayerSettings() {
  return std::make_unique<QSettings>(PlayerSettingsFile(), QSettings::IniFormat);
}
