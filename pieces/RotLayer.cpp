// The rotated piece layer: owned bitmap, placement rebuilt at every paint, drawing and hit test through it.
#include "pieces/RotLayer.h"

#include <cmath>
#include <cstdint>

#include "pieces/TransformDraw.h"

TCustomAffineLayer::TCustomAffineLayer(TLayerCollection* ALayerCollection) : TCustomLayer(ALayerCollection) {
  FBitmap.OnChange = [this] { BitmapChanged(); };
}

void TCustomAffineLayer::SetBitmap(const TBitmap32& Value) { FBitmap.Assign(Value); }

void TCustomAffineLayer::BitmapChanged() {
  FTransformation.SetSrcRect(FBitmap.BoundsRect());
  Changed();
}

void TCustomAffineLayer::Paint(QImage& buffer, const QRect& clip) {
  AdjustTransformation(FTransformation);
  DrawTransformed(buffer, clip, FBitmap, FTransformation);
}

std::optional<QRect> TCustomAffineLayer::PaintExtent() const {
  if (FBitmap.Empty() || (FBitmap.DrawMode() == dmBlend && FBitmap.MasterAlpha() == 0)) return QRect();
  TAffineTransformation placed = FTransformation;
  AdjustTransformation(placed);
  const QRectF bounds = placed.GetTransformedBounds();
  const double limit = 1e9;  // far beyond any control, and safe to convert to int
  for (double edge : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom()})
    if (!(std::abs(edge) < limit)) return std::nullopt;
  return QRect(QPoint(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1),
               QPoint(int(std::ceil(bounds.right())) + 1, int(std::ceil(bounds.bottom())) + 1));
}

namespace {
// Nearest integer of a 16.16 value; an exact half rounds down.
int RoundFixedHalfDown(double value) {
  const auto fixed = static_cast<std::int64_t>(std::llround(value * 65536.0));
  return static_cast<int>((fixed + 0x7FFF) >> 16);
}
}  // namespace

bool TCustomAffineLayer::DoHitTest(int X, int Y) {
  if (FBitmap.Empty() || !FTransformation.Invertible()) return false;
  const QPointF p = FTransformation.ReverseTransform(QPointF(X, Y));
  if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || std::abs(p.x()) > 1e9 || std::abs(p.y()) > 1e9) return false;
  const int x = RoundFixedHalfDown(p.x()), y = RoundFixedHalfDown(p.y());
  return x >= 0 && x < FBitmap.Width() && y >= 0 && y < FBitmap.Height();
}

void TRotLayer::SetAngle(float Value) {
  FAngle = Value;
  Changed();
}

void TRotLayer::SetBitmapCenter(TFloatPoint Value) {
  FBitmapCenter = Value;
  Changed();
}

void TRotLayer::SetPosition(TFloatPoint Value) {
  FPosition = Value;
  Changed();
}

void TRotLayer::SetScaled(bool Value) {
  FScaled = Value;
  Changed();
}

void TRotLayer::AdjustTransformation(TAffineTransformation& t) const {
  t.Clear();
  t.Translate(-FBitmapCenter.X, -FBitmapCenter.Y);
  t.Rotate(0, 0, FAngle);
  t.Translate(FPosition.X, FPosition.Y);
  if (FScaled && LayerCollection()) {
    const QPointF scale = LayerCollection()->GetViewportScale();
    const QPointF shift = LayerCollection()->GetViewportShift();
    t.Scale(float(scale.x()), float(scale.y()));
    t.Translate(float(shift.x()), float(shift.y()));
  }
}
