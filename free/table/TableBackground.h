// The table under the pieces: wood, the frame where the picture belongs and, if wanted, the picture faded in it.
#pragma once

#include <QImage>
#include <QRectF>
#include <vector>

class QPainter;

class TTableBackground {
 public:
  TTableBackground(QRectF table, QRectF frame, const QImage& picture);

  // Paints the part `exposed` (table coordinates) through the painter's current transform.
  void Draw(QPainter& painter, const QRectF& exposed) const;

  bool GuideShown() const { return guideShown_; }
  void SetGuideShown(bool shown) { guideShown_ = shown; }

 private:
  QRectF table_, frame_;
  QImage wood_;                       // one tile of the table's grain
  QImage guide_;                      // the picture, faded, at its full size
  std::vector<QImage> smallerGuide_;  // and halved, for drawing zoomed out
  bool guideShown_ = true;
};

// A seamless tile of light wood grain, `side` pixels square.
QImage WoodTile(int side);
