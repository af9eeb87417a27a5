// A playing level built by hand: pieces of plain colour with known homes, on the board or in the tray.
#pragma once

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "support/GameFixture.h"

class PieceFixture : public GameFixture {
 protected:
  void SetUp() override;

  // Appends a loose piece of width × height whose home is (left, top); it lies at its home until moved.
  TPicClip& AddPiece(int width, int height, int left, int top);
  // The board layer that shows piece `tag`, or none.
  TRotLayer* BoardLayer(int tag) const;
  TRotLayer* TrayLayer(int index) const;
  // Puts a board piece's unturned top-left corner at (x, y) with the given angle.
  void PlacePiece(int tag, float x, float y, float angle);
};
