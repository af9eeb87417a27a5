// The free puzzle's table: every piece an item of a graphics scene, zoom and pan of the view, and the player's hand.
#pragma once

#include <QGraphicsView>
#include <memory>
#include <vector>

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

 signals:
  void GuideSwitched(bool shown);
  void Finished();

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
  QPointF OnTable(QPointF viewportPoint) const;

  TFreePuzzle& puzzle_;
  QGraphicsScene scene_;
  TTableBackground background_;
  std::vector<TPieceItem*> items_;  // of each piece; the scene owns them
  std::vector<double> depth_;       // of each group: its items' z, rising along the model's stacking
  TJoinFeedback* feedback_;
  bool fitted_ = true;  // the view follows the window's size while nobody zoomed
  int held_ = -1;
  int lastPiece_ = -1;  // a piece of the group let go last, which the wheel and the keys turn
  QPointF grip_;        // table point under the cursor while a group is held
  bool panning_ = false;
  QPoint panFrom_;
  double wheelTurn_ = 0;  // notches not yet turned, from wheels finer than a notch
};
