// The game as a freshly started program in a throw-away folder: state reset, message boxes answered and recorded,
// and a player of its own who has seen every first-time tip.
#pragma once

#include <QByteArray>
#include <QStringList>

#include "TestFolder.h"
#include "platform/MessageBox.h"

class TestProgram {
 public:
  TestProgram();
  ~TestProgram();
  TestProgram(const TestProgram&) = delete;
  TestProgram& operator=(const TestProgram&) = delete;

  // The program folder.
  TestFolder folder;
  // Every message box shown so far, as "caption|text".
  QStringList messages;
  // What a Yes/No box answers.
  TMsgResult answer = TMsgResult::No;
  // The player's config folder, with the settings file in it.
  TestFolder config;

 private:
  QByteArray runConfig_;
};

// Puts the game object back to its state at program start (zero-filled, not created).
void ResetPuzzle();
