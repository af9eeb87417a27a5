// The program folder: every file name of the game is relative to it.
#pragma once

#include <QString>

// The executable's folder with a trailing "/", or the folder set by SetProgramFolder.
QString ProgramFolder();
// Points the game at another folder; tests use it to play in a throw-away folder.
void SetProgramFolder(const QString& folder);
