// A game ready to play in a throw-away program folder: board and tray views, Puzzle created, message boxes answered.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "RecordingPlayer.h"
#include "TestProgram.h"
#include "view/ImageView.h"

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TestProgram program;
  TestFolder& folder = program.folder;
  QStringList& messages = program.messages;
  RecordingPlayers players;
  std::unique_ptr<TImage32> board;
  std::unique_ptr<TImage32> tray;
};
