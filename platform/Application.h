// Who the game is to the desktop: its names, and Qt's own dialog texts in Russian.
#pragma once

// The name shown in a title bar whose caption is empty.
extern const char* const kGameName;

// Sets the application's names (the player's data folder is named after it) and loads Qt's Russian translations
// when they are installed, so standard buttons read "Да", "Нет", "ОК". Call once the QApplication exists.
void SetUpApplication();
