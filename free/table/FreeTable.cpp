// The free puzzle's table: one scene item per piece, placed and stacked as the model has them.
#include "free/table/FreeTable.h"

#include <algorithm>
#include <cmath>

#include "free/puzzle/FreePuzzle.h"
#include "free/puzzle/FreeSort.h"
#include "free/table/JoinFeedback.h"
#include "free/table/PieceItem.h"

TFreeTable::TFreeTable(TFreePuzzle& puzzle, QWidget* parent)
    : QGraphicsView(parent),
      puzzle_(puzzle),
      background_(puzzle.Table(), puzzle.Frame(), puzzle.Picture()),
      feedback_(new TJoinFeedback(this)),
      history_(puzzle.State()) {
  scene_.setSceneRect(puzzle.Table());
  setScene(&scene_);
  setSceneRect(puzzle.Table());
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Zoom keeps its own anchor (the cursor); a resize keeps the table's top-left.
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::NoAnchor);
  // The wood and the guide change only with zoom and pan: a drag repaints the pieces over a cached copy.
  setCacheMode(QGraphicsView::CacheBackground);
  setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
  setFocusPolicy(Qt::StrongFocus);

  const auto& pieces = puzzle.Pieces();
  items_.reserve(pieces.size());
  for (const auto& piece : pieces) {
    items_.push_back(new TPieceItem(piece));
    scene_.addItem(items_.back());
  }
  depth_.assign(pieces.size(), 0);
  ShowState();
}

TFreeTable::~TFreeTable() = default;

void TFreeTable::PlaceItems(int group) {
  for (int piece : puzzle_.Members(group)) items_[piece]->setTransform(puzzle_.PieceToTable(piece));
}

void TFreeTable::ShadeItems(int group) {
  // The shadow falls right and down, so a piece whose right, lower and lower-right neighbours share its group
  // casts it only onto them.
  const TFreeGrid& grid = puzzle_.Grid();
  const auto together = [&](int piece, int column, int row) {
    return column < grid.Columns && row < grid.Rows &&
           puzzle_.GroupOf(row * grid.Columns + column) == puzzle_.GroupOf(piece);
  };
  for (int piece : puzzle_.Members(group)) {
    const TFreePiece& p = puzzle_.Pieces()[piece];
    items_[piece]->SetShadowed(!(together(piece, p.Column + 1, p.Row) && together(piece, p.Column, p.Row + 1) &&
                                 together(piece, p.Column + 1, p.Row + 1)));
  }
}

void TFreeTable::StackItems(int group) {
  // Depths rise along the model's stacking; the group takes one between its neighbours there, so only its own
  // items change.
  const auto& stacking = puzzle_.Stacking();
  const auto at = std::find(stacking.begin(), stacking.end(), group);
  if (at == stacking.end()) return;
  const bool bottom = at == stacking.begin(), top = at + 1 == stacking.end();
  const double low = bottom ? -HUGE_VAL : depth_[*(at - 1)], high = top ? HUGE_VAL : depth_[*(at + 1)];
  double depth = depth_[group];
  if (!(depth > low && depth < high)) {
    if (top) {
      depth = bottom ? 0 : low + 1;
    } else if (bottom) {
      depth = high - 1;
    } else if (high - low < 1e-9) {
      RenumberDepths();
      return;
    } else {
      depth = (low + high) / 2;
    }
  }
  depth_[group] = depth;
  for (int piece : puzzle_.Members(group)) items_[piece]->setZValue(depth);
}

void TFreeTable::RenumberDepths() {
  const auto& stacking = puzzle_.Stacking();
  for (size_t i = 0; i < stacking.size(); ++i) {
    depth_[stacking[i]] = double(i);
    for (int piece : puzzle_.Members(stacking[i])) items_[piece]->setZValue(double(i));
  }
}

void TFreeTable::ShowState() {
  for (int group : puzzle_.Stacking()) {
    PlaceItems(group);
    ShadeItems(group);
  }
  RenumberDepths();
}

void TFreeTable::SetGuideShown(bool shown) {
  if (shown == GuideShown()) return;
  background_.SetGuideShown(shown);
  resetCachedContent();
  viewport()->update();
  emit GuideSwitched(shown);
}

void TFreeTable::drawBackground(QPainter* painter, const QRectF& rect) { background_.Draw(*painter, rect); }

void TFreeTable::Settle() {
  history_.Record(puzzle_.State());
  emit Settled();
}

void TFreeTable::SortEdges() {
  if (held_ >= 0) return;
  for (int group : SortEdgePieces(puzzle_)) PlaceItems(group);
  Settle();
}

void TFreeTable::Gather() {
  if (held_ >= 0) return;
  for (int group : GatherLoosePieces(puzzle_, mapToScene(viewport()->rect()).boundingRect())) PlaceItems(group);
  Settle();
}

void TFreeTable::Undo() {
  if (!CanUndo()) return;
  puzzle_.Restore(history_.Undo());
  ShowState();
  emit Settled();
}

void TFreeTable::Redo() {
  if (!CanRedo()) return;
  puzzle_.Restore(history_.Redo());
  ShowState();
  emit Settled();
}
