// The player's own settings, one INI file in the player's config folder: what the game remembers of the desktop.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// "kavrin-puzzle/settings.ini" in the player's config folder ($XDG_CONFIG_HOME, else ~/.config), looked up anew
// each time, so a test that points the config folder elsewhere gets a file of its own.
QString PlayerSettingsFile();
// The settings kept in that file; changes reach the disk when the object goes.
std::unique_ptr<QSettings> OpenPlayerSettings();
