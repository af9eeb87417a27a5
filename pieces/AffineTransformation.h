// An affine map of the plane held as a 3 × 3 matrix of 32-bit floats, with a source rectangle and a lazy inverse.
#pragma once

#include <QPointF>
#include <QRectF>

class TAffineTransformation {
 public:
  // The coefficients of (x, y) ↦ (A·x + C·y + E, B·x + D·y + F).
  struct TCoefficients {
    float A, B, C, D, E, F;
  };

  TAffineTransformation() { Clear(); }

  // Each operation appends a step that acts after the steps already in the matrix.
  void Clear();
  void Translate(float dx, float dy);
  // Rotation by alpha degrees about (cx, cy); a positive angle turns counter-clockwise with y pointing down.
  void Rotate(float cx, float cy, float alpha);
  void Scale(float sx, float sy);

  const QRectF& SrcRect() const { return srcRect_; }
  void SetSrcRect(const QRectF& rect) { srcRect_ = rect; }

  TCoefficients Forward() const;
  // False when the map squashes the plane (a view without area): nothing can be mapped back.
  bool Invertible() const;
  // The inverse map, computed on first use after a change. Only meaningful when Invertible().
  TCoefficients Inverse() const;

  QPointF Transform(QPointF p) const;
  QPointF ReverseTransform(QPointF p) const;
  // The smallest axis-aligned rectangle around the mapped source rectangle.
  QRectF GetTransformedBounds() const;

 private:
  void Append(const float step[3][3]);

  float m_[3][3];
  QRectF srcRect_;
  mutable bool inverseValid_ = false;
  mutable TCoefficients inverse_{};
};
