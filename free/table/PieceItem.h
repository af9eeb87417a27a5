// One piece on the table: drawn opaque from its image of the size the zoom needs, over a soft shadow.
#pragma once

#include <QGraphicsItem>
#include <QImage>

struct TFreePiece;

class TPieceItem : public QGraphicsItem {
 public:
  // Item coordinates are the piece image's pixels; the table sets the item's transform from the model.
  explicit TPieceItem(const TFreePiece& piece);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  // Whether the piece casts its shadow: not inside a group, where its neighbours would cover it anyway.
  void SetShadowed(bool shadowed);
  bool Shadowed() const { return shadowed_; }
  // The join flash, 0 (none) to 1 (brightest).
  void SetGlow(double glow);
  double Glow() const { return glow_; }
  // The picture size the last paint drew from, for the tests of crisp drawing.
  QSize DrawnSize() const { return drawnSize_; }

 private:
  const TFreePiece& piece_;
  QImage shadow_;  // the outline's shape, dark and soft; small, since a shadow has no detail
  double shadowReach_ = 0;
  bool shadowed_ = true;
  double glow_ = 0;
  QSize drawnSize_;
};
