// The free puzzle's undo and redo, as the changes of each step.
#include "free/puzzle/FreeHistory.h"

#include <algorithm>
#include <stdexcept>

namespace {
// Indices into `sequence` of its longest strictly rising run (patience sorting).
std::vector<std::size_t> LongestRise(const std::vector<int>& sequence) {
  std::vector<std::size_t> tails, parent(sequence.size(), SIZE_MAX);
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    const auto at = std::lower_bound(tails.begin(), tails.end(), sequence[i],
                                     [&](std::size_t t, int value) { return sequence[t] < value; });
    if (at != tails.begin()) parent[i] = *(at - 1);
    if (at == tails.end())
      tails.push_back(i);
    else
      *at = i;
  }
  std::vector<std::size_t> rise;
  for (std::size_t i = tails.empty() ? SIZE_MAX : tails.back(); i != SIZE_MAX; i = parent[i]) rise.push_back(i);
  std::reverse(rise.begin(), rise.end());
  return rise;
}

// The stacking without the entries of `leave`, then with those of `enter`, both at their positions and ascending.
void Restack(std::vector<int>& stacking, const std::vector<TFreeStep::TStackEntry>& leave,
             const std::vector<TFreeStep::TStackEntry>& enter) {
  for (auto entry = leave.rbegin(); entry != leave.rend(); ++entry) stacking.erase(stacking.begin() + entry->Position);
  for (const auto& entry : enter) stacking.insert(stacking.begin() + entry.Position, entry.Group);
}

template <typename T>
std::size_t HeapBytes(const std::vector<T>& v) {
  return v.capacity() * sizeof(T);
}
}  // namespace

std::size_t TFreeStep::Bytes() const {
  return sizeof(*this) + HeapBytes(Groups) + HeapBytes(Places) + HeapBytes(Unstacked) + HeapBytes(Stacked);
}

TFreeStep StepBetween(const TFreeState& before, const TFreeState& after) {
  if (before.GroupOf.size() != after.GroupOf.size() || before.Places.size() != after.Places.size())
    throw std::invalid_argument("a step between states of two puzzles");
  TFreeStep step;
  for (std::size_t piece = 0; piece < before.GroupOf.size(); ++piece)
    if (before.GroupOf[piece] != after.GroupOf[piece])
      step.Groups.push_back({int(piece), before.GroupOf[piece], after.GroupOf[piece]});
  for (std::size_t group = 0; group < before.Places.size(); ++group)
    if (!(before.Places[group] == after.Places[group]))
      step.Places.push_back({int(group), before.Places[group], after.Places[group]});

  // Where each group stands before; the groups of `after` in that order that rise are the ones left alone.
  std::vector<int> positionBefore(before.Places.size(), -1);
  for (std::size_t i = 0; i < before.Stacking.size(); ++i) positionBefore[before.Stacking[i]] = int(i);
  std::vector<int> positions;
  std::vector<std::size_t> atAfter;
  for (std::size_t i = 0; i < after.Stacking.size(); ++i)
    if (positionBefore[after.Stacking[i]] >= 0) {
      positions.push_back(positionBefore[after.Stacking[i]]);
      atAfter.push_back(i);
    }
  std::vector<bool> keptBefore(before.Stacking.size(), false), keptAfter(after.Stacking.size(), false);
  for (std::size_t k : LongestRise(positions)) {
    keptBefore[positions[k]] = true;
    keptAfter[atAfter[k]] = true;
  }
  for (std::size_t i = 0; i < before.Stacking.size(); ++i)
    if (!keptBefore[i]) step.Unstacked.push_back({int(i), before.Stacking[i]});
  for (std::size_t i = 0; i < after.Stacking.size(); ++i)
    if (!keptAfter[i]) step.Stacked.push_back({int(i), after.Stacking[i]});
  step.Groups.shrink_to_fit();
  step.Places.shrink_to_fit();
  step.Unstacked.shrink_to_fit();
  step.Stacked.shrink_to_fit();
  return step;
}

void StepForward(const TFreeStep& step, TFreeState& state) {
  for (const auto& change : step.Groups) state.GroupOf[change.Piece] = change.After;
  for (const auto& change : step.Places) state.Places[change.Group] = change.After;
  Restack(state.Stacking, step.Unstacked, step.Stacked);
}

void StepBack(const TFreeStep& step, TFreeState& state) {
  for (const auto& change : step.Groups) state.GroupOf[change.Piece] = change.Before;
  for (const auto& change : step.Places) state.Places[change.Group] = change.Before;
  Restack(state.Stacking, step.Stacked, step.Unstacked);
}

bool TFreeHistory::Record(const TFreeState& now) {
  if (now == current_) return false;
  TFreeStep step = StepBetween(current_, now);
  steps_.resize(done_);
  steps_.push_back(std::move(step));
  ++done_;
  current_ = now;
  return true;
}

const TFreeState& TFreeHistory::Undo() {
  if (!CanUndo()) throw std::logic_error("nothing to undo");
  StepBack(steps_.at(--done_), current_);
  return current_;
}

const TFreeState& TFreeHistory::Redo() {
  if (!CanRedo()) throw std::logic_error("nothing to redo");
  StepForward(steps_.at(done_++), current_);
  return current_;
}

std::size_t TFreeHistory::StepBytes() const {
  std::size_t bytes = HeapBytes(steps_) - steps_.size() * sizeof(TFreeStep);
  for (const TFreeStep& step : steps_) bytes += step.Bytes();
  return bytes;
}
