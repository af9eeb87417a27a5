// A small free puzzle on a shown table, and a player's hand on the table's viewport: real mouse events only.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>

#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"
#include "support/RecordingPlayer.h"

// A picture with detail everywhere, so a piece a pixel off shows.
QImage DetailedPicture(int width, int height);
// A puzzle of about `pieces` pieces of an 800 × 600 picture with detail everywhere, upright unless `turned`.
std::unique_ptr<TFreePuzzle> SmallFreePuzzle(int pieces = 48, bool turned = false, unsigned seed = 7);

// A table point where the piece shows on top (the model's pixel test picks it), searched over its opaque pixels
// from its cell's centre outwards; none when other pieces cover all of it.
std::optional<QPointF> VisiblePoint(const TFreePuzzle& puzzle, int piece);

// The piece whose visible point lies nearest the table point.
int NearestPiece(const TFreePuzzle& puzzle, QPointF tablePoint);

// The viewport pixel nearest a table point.
QPoint OnView(const TFreeTable& table, QPointF tablePoint);
QPointF OnTable(const TFreeTable& table, QPoint viewportPoint);

// Presses, moves in a few steps and releases the button on the table's viewport.
void Press(TFreeTable& table, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void MoveTo(TFreeTable& table, QPoint to, Qt::MouseButtons buttons = Qt::LeftButton);
void Release(TFreeTable& table, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Drag(TFreeTable& table, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);
// A wheel turned by `notches` at the viewport point.
void Wheel(TFreeTable& table, QPoint at, double notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

class FreeTableTest : public ::testing::Test {
 protected:
  void SetUp() override;

  RecordingPlayers players;
  std::unique_ptr<TFreePuzzle> puzzle = SmallFreePuzzle();
  std::unique_ptr<TFreeTable> table;
};
