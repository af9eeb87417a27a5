// The free puzzle's table: every piece an item of a graphics scene, zoom and pan of the view, and the player's hand.
#pragma once

#include <QGraphicsView>
#include <memory>
#include <vector>

#include "free/puzzle/FreeHistory.h"
#include "free/table/TableBackground.h"

class TFreePuzzle;
class TJoinFeedback;
class TPieceItem;
struct TJoinResult;

class TFreeTable : public QGraphicsView {
  Q_OBJECT

 public:
  explicit TFreeTable(TFreePuzzle& puzzle, QWidget* parent = nullptr);
  ~TFreeTable() override;

  TFreePuzzle& Puzzle() { return puzzle_; }
  const TFreePuzzle& Puzzle() const { return puzzle_; }
  const TPieceItem& Item(int piece) const { return *items_[piece]; }

  // View pixels per table pixel.
  double Zoom() const;
  double SmallestZoom() const;  // the whole table in view
  double LargestZoom() const;   // two view pixels a picture pixel
  // Zooms by the factor within the limits, keeping the table point under `anchor` (viewport pixels) in place.
  void ZoomBy(double factor, QPoint anchor);
  void FitTable();
  void PanBy(QPoint viewportDelta);

  bool GuideShown() const { return background_.GuideShown(); }
  void SetGuideShown(bool shown);

  int HeldGroup() const { return held_; }
  // Turns the held group, or else the one last let go, about its centre; a group at rest is dropped again.
  void TurnGroup(double degrees);

  // The border's loose pieces along the table's edge (E), the loose pieces into view (G); see FreeSort.h.
  void SortEdges();
  void Gather();
  // A step of the history back (Ctrl+Z) or forward (Ctrl+Shift+Z, Ctrl+Y): a drag with the joins its drop made,
  // a notch or key press turning a group at rest, a sort or a gather. The history starts from the puzzle as the
  // table was made with it. Nothing happens while a group is held.
  void Undo();
  void Redo();
  bool CanUndo() const { return held_ < 0 && history_.CanUndo(); }
  bool CanRedo() const { return held_ < 0 && history_.CanRedo(); }

 signals:
  void GuideSwitched(bool shown);
  void Finished();
  // The pieces are at rest after a change the player made: a drop, a turn of a group at rest, a join, a sort, a
  // gather, an undo or a redo. Never during a drag; the moment to save the puzzle.
  void Settled();

 protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetZoom(double zoom);
  // Puts the group's items where the model has its pieces.
  void PlaceItems(int group);
  // Stacks the group's items as the model stacks the group.
  void StackItems(int group);
  // Which of the group's items cast a shadow.
  void ShadeItems(int group);
  // Depths from the model's stacking, from the bottom up.
  void RenumberDepths();
  void Grab(int group, QPointF at);
  void Release();
  void AfterDrop(const TJoinResult& result);
  // Keeps the step in the history and says the table is at rest.
  void Settle();
  // Every item where, as deep and as shaded as the model has its piece now.
  void ShowState();
  QPointF OnTable(QPointF viewportPoint) const;

  TFreePuzzle& puzzle_;
  QGraphicsScene scene_;
  TTableBackground background_;
  std::vector<TPieceItem*> items_;  // of each piece; the scene owns them
  std::vector<double> depth_;       // of each group: its items' z, rising along the model's stacking
  TJoinFeedback* feedback_;
  TFreeHistory history_;
  bool fitted_ = true;  // the view follows the window's size while nobody zoomed
  int held_ = -1;
  int lastPiece_ = -1;  // a piece of the group let go last, which the wheel and the keys turn
  QPointF grip_;        // table point under the cursor while a group is held
  bool panning_ = false;
  QPoint panFrom_;
  double wheelTurn_ = 0;  // notches not yet turned, from wheels finer than a notch
};
