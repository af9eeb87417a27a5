// The state of one free puzzle on its table: groups of joined pieces, each with one rigid place, and the drop
// that joins true neighbours anywhere and snaps a group into the frame.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreeGrid.h"
#include "free/puzzle/FreeLayout.h"
#include "free/puzzle/FreeState.h"

// Two pieces join when the neighbour lies within this part of a cell side of where it belongs...
constexpr double kFreeJoinReach = 1.0 / 8;
// ...and their angles differ by at most this many degrees, the level maker's locking angle.
constexpr double kFreeJoinAngle = 10;

struct TJoinResult {
  int Group = -1;                 // the dropped pieces' group afterwards
  std::vector<int> JoinedPieces;  // pieces whose place changed by the drop, to be drawn anew
  bool IntoFrame = false;         // the group came to rest in the frame with this drop
  bool Finished = false;          // every piece is in one group now
  std::vector<int> MergedGroups;  // groups that were emptied into Group
};

class TFreePuzzle {
 public:
  // Every piece starts as its own group (group i holds piece i) at the layout's place.
  TFreePuzzle(TFreeGrid grid, QImage picture, std::vector<TFreePiece> pieces, TFreeLayout layout,
              TFreeOrigin origin = {});

  const TFreeGrid& Grid() const { return grid_; }
  const TFreeOrigin& Origin() const { return origin_; }
  const QImage& Picture() const { return picture_; }  // the kept picture, for a faded guide in the frame
  const std::vector<TFreePiece>& Pieces() const { return pieces_; }
  QRectF Table() const { return table_; }
  QRectF Frame() const { return frame_; }

  int GroupOf(int piece) const { return groupOf_[piece]; }
  const std::vector<int>& Members(int group) const { return members_[group]; }  // empty once merged away
  TGroupPlace Place(int group) const { return places_[group]; }
  QTransform PieceToTable(int piece) const;                       // piece image pixels -> table
  const std::vector<int>& Stacking() const { return stacking_; }  // groups, bottom to top

  // The topmost piece whose drawn pixel (alpha > 0) is at the table point, else -1.
  int PieceAt(QPointF table) const;
  void Raise(int group);
  void Move(int group, QPointF delta);
  // About the group's centre: the centre of its pieces' cells.
  void Turn(int group, double degrees);
  // Joins the group to true neighbours that lie within tolerance, repeatedly, then snaps it into the frame if it
  // is near its place there.
  TJoinResult Drop(int group);
  bool Finished() const;
  // Whether the group lies at its place in the frame, upright.
  bool InFrame(int group) const;
  QRectF Bounds(int group) const;  // table bounding rect of the group's pieces

  TFreeState State() const;
  // Puts every piece back as the state has it. Throws TFreeError, leaving the puzzle as it was, for a state that
  // does not fit this puzzle: other sizes, a group out of range, a stacking that is not every group once, a place
  // that is not a finite point on the table.
  void Restore(const TFreeState& state);

 private:
  QTransform GroupToTable(int group) const;  // picture pixels -> table
  QPointF CellCentre(int piece) const;       // in picture pixels
  QPointF Centre(int group) const;           // in picture pixels
  // Whether the two groups' places agree at the picture point within the join tolerance.
  bool Agree(const TGroupPlace& a, const TGroupPlace& b, QPointF at) const;
  // Empties `from` into `into`, which keeps its place; the pieces of `from` take it.
  void Merge(int from, int into);

  TFreeGrid grid_;
  TFreeOrigin origin_;
  QImage picture_;
  std::vector<TFreePiece> pieces_;
  QRectF table_, frame_;
  std::vector<TGroupPlace> places_;        // of each group
  std::vector<int> groupOf_;               // of each piece
  std::vector<std::vector<int>> members_;  // of each group, ascending
  std::vector<int> stacking_;
  double reach_ = 0;  // the join tolerance in picture pixels
};
