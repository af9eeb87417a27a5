// One piece on the table: drawn opaque from its image of the size the zoom needs, over a soft shadow.
#include "free/table/PieceItem.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "free/puzzle/FreeCut.h"
#include "free/table/ImageLevels.h"

namespace {
// The shadow falls down and to the right on the screen, whatever the piece's turn, by this part of its size.
constexpr double kShadowReach = 0.035;
constexpr int kShadowAlpha = 120;
// Below this many device pixels a piece's shadow would be a smudge: it is left out.
constexpr double kShadowlessSide = 24;

QImage ShadowOf(const TFreePiece& piece) {
  // About a quarter of the piece's size: a bilinear shadow scaled up is as soft as a blurred one.
  const QImage& source = ImageForScale(piece.Image, piece.Smaller, 0.25);
  QImage shadow = source.copy();
  QPainter painter(&shadow);
  painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
  painter.fillRect(shadow.rect(), QColor(20, 10, 0, kShadowAlpha));
  return shadow;
}
}  // namespace

TPieceItem::TPieceItem(const TFreePiece& piece)
    : piece_(piece),
      shadow_(ShadowOf(piece)),
      shadowReach_(kShadowReach * std::max(piece.Image.width(), piece.Image.height())) {
  // The table finds pieces through the model's pixel test; the scene's index serves only the painting.
  setAcceptedMouseButtons(Qt::NoButton);
}

QRectF TPieceItem::boundingRect() const {
  return QRectF(QPointF(0, 0), piece_.Image.size()).adjusted(-shadowReach_, -shadowReach_, shadowReach_, shadowReach_);
}

void TPieceItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const double scale = DeviceScale(*painter);
  const QImage& image = ImageForScale(piece_.Image, piece_.Smaller, scale);
  drawnSize_ = image.size();
  const QRectF whole(QPointF(0, 0), piece_.Image.size());
  painter->setRenderHint(QPainter::SmoothPixmapTransform, image.size() != piece_.Image.size() || scale != 1);
  if (shadowed_ && scale * whole.width() >= kShadowlessSide) {
    // The screen's down-right in the piece's own turned coordinates.
    const QTransform turn = sceneTransform();
    QPointF down = QTransform(turn.m11(), turn.m12(), turn.m21(), turn.m22(), 0, 0).inverted().map(QPointF(1, 1));
    const double length = std::hypot(down.x(), down.y());
    if (length > 0) down *= shadowReach_ / length;
    painter->drawImage(whole.translated(down), shadow_);
  }
  painter->drawImage(whole, image);
  if (glow_ > 0) {
    // Adding the piece to itself brightens it only inside its outline.
    painter->save();
    painter->setOpacity(glow_ * 0.6);
    painter->setCompositionMode(QPainter::CompositionMode_Plus);
    painter->drawImage(whole, image);
    painter->restore();
  }
}

void TPieceItem::SetShadowed(bool shadowed) {
  if (shadowed == shadowed_) return;
  shadowed_ = shadowed;
  update();
}

void TPieceItem::SetGlow(double glow) {
  if (glow == glow_) return;
  glow_ = glow;
  update();
}
