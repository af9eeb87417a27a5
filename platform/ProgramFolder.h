// The game's folders. A copy of the game in a folder its player can write keeps everything in that folder; an
// installed game reads its pictures, sounds and default packs from the install and writes into the player's own
// data folder. Only this layer knows which of the two it is.
#pragma once

#include <QString>

// The executable's folder with a trailing "/", or the folder set by SetProgramFolder.
QString ProgramFolder();
// Points the game at another program folder; tests use it to play in a throw-away folder.
void SetProgramFolder(const QString& folder);

// The folder holding "resources/" and the default level packs, with a trailing "/": the install's data folder
// when the game is installed (no "resources/" beside the executable, but in that folder), else the program folder.
QString ResourceFolder();
// The folder of everything the game writes ("levels/", the saved game, downloaded packs), with a trailing "/":
// the program folder when the game is not installed and can write there, otherwise the player's data folder.
QString DataFolder();
// At the first start of an installed game: creates the player's data folder and puts the default level packs
// into it, where the pack check finds new packs. Throws std::runtime_error when that fails.
void PrepareDataFolder();
