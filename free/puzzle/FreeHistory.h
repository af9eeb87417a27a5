// The free puzzle's undo and redo: each step keeps only what it changed of the state, so thousands of steps of a
// 1,000-piece puzzle stay small.
#pragma once

#include <cstddef>
#include <vector>

#include "free/puzzle/FreeState.h"

// What one step changed, both ways.
struct TFreeStep {
  struct TPieceChange {
    int Piece, Before, After;  // its group
  };
  struct TPlaceChange {
    int Group;
    TGroupPlace Before, After;
  };
  struct TStackEntry {
    int Position, Group;
  };
  std::vector<TPieceChange> Groups;
  std::vector<TPlaceChange> Places;
  // The stacking keeps the longest run of groups whose order the step left alone; the rest leave the stacking
  // before it at these positions (ascending) and enter it after it at those.
  std::vector<TStackEntry> Unstacked, Stacked;

  std::size_t Bytes() const;
};

// The step from one state to another of the same puzzle.
TFreeStep StepBetween(const TFreeState& before, const TFreeState& after);
// The state the step leads to from `before`, or back from `after`, in place.
void StepForward(const TFreeStep& step, TFreeState& state);
void StepBack(const TFreeStep& step, TFreeState& state);

class TFreeHistory {
 public:
  explicit TFreeHistory(TFreeState start) : current_(std::move(start)) {}

  // Keeps the change from the state last recorded or put back to `now` as one step and forgets the steps undone
  // before it; a change of nothing keeps nothing and returns false.
  bool Record(const TFreeState& now);
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The state one step back or forward, for the puzzle to put back. Only when CanUndo or CanRedo.
  const TFreeState& Undo();
  const TFreeState& Redo();
  const TFreeState& Current() const { return current_; }

  std::size_t Steps() const { return steps_.size(); }
  std::size_t StepBytes() const;  // what the steps take in memory, beside the one current state

 private:
  TFreeState current_;
  std::vector<TFreeStep> steps_;
  std::size_t done_ = 0;  // steps_[0..done_) lead to current_
};
