// The real main window over a throw-away program folder: message boxes answered and recorded, sounds recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "RecordingPlayer.h"
#include "TestProgram.h"
#include "ui/MainForm.h"

class WindowFixture : public ::testing::Test {
 protected:
  void TearDown() override { CloseWindow(); }

  // Builds the main window, as the program's start does; shown and exposed unless `shown` is false.
  void OpenWindow(bool shown = true);
  // Closes and frees the window, as the player closing it would.
  void CloseWindow();

  TestProgram program;
  TestFolder& folder = program.folder;
  QStringList& messages = program.messages;
  RecordingPlayers players;
  std::unique_ptr<TMainForm> form;
};
