// A game ready to play in a throw-away program folder: board and tray views, Puzzle created, message boxes answered.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>

#include "RecordingPlayer.h"
#include "TestFolder.h"
#include "platform/MessageBox.h"
#include "play/ImageView.h"

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Every message box shown so far, as "caption|text".
  QStringList messages;
  // What a Yes/No box answers.
  TMsgResult answer = TMsgResult::No;
  TestFolder folder;
  RecordingPlayers players;
  std::unique_ptr<TImage32> board;
  std::unique_ptr<TImage32> tray;
};

// Puts the game object back to its state at program start (zero-filled, not created).
void ResetPuzzle();
