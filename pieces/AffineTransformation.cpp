// An affine map as a 3 × 3 matrix of 32-bit floats; the inverse is derived only when a hit test or a paint asks.
#include "pieces/AffineTransformation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TAffineTransformation::Clear() {
  const float identity[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  std::copy(&identity[0][0], &identity[0][0] + 9, &m_[0][0]);
  inverseValid_ = false;
}

// Column-vector form: the step multiplies from the left, so it acts after what is already there.
void TAffineTransformation::Append(const float step[3][3]) {
  float product[3][3];
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) product[r][c] = step[r][0] * m_[0][c] + step[r][1] * m_[1][c] + step[r][2] * m_[2][c];
  std::copy(&product[0][0], &product[0][0] + 9, &m_[0][0]);
  inverseValid_ = false;
}

void TAffineTransformation::Translate(float dx, float dy) {
  const float step[3][3] = {{1, 0, dx}, {0, 1, dy}, {0, 0, 1}};
  Append(step);
}

void TAffineTransformation::Rotate(float cx, float cy, float alpha) {
  const double radians = double(alpha) * std::numbers::pi / 180;
  const float c = static_cast<float>(std::cos(radians));
  const float s = static_cast<float>(std::sin(radians));
  if (cx != 0 || cy != 0) Translate(-cx, -cy);
  const float step[3][3] = {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
  Append(step);
  if (cx != 0 || cy != 0) Translate(cx, cy);
}

void TAffineTransformation::Scale(float sx, float sy) {
  const float step[3][3] = {{sx, 0, 0}, {0, sy, 0}, {0, 0, 1}};
  Append(step);
}

TAffineTransformation::TCoefficients TAffineTransformation::Forward() const {
  return {m_[0][0], m_[1][0], m_[0][1], m_[1][1], m_[0][2], m_[1][2]};
}

bool TAffineTransformation::Invertible() const {
  const double det = double(m_[0][0]) * m_[1][1] - double(m_[1][0]) * m_[0][1];
  return det != 0 && std::isfinite(det);
}

TAffineTransformation::TCoefficients TAffineTransformation::Inverse() const {
  if (inverseValid_) return inverse_;
  const TCoefficients f = Forward();
  const double det = double(f.A) * f.D - double(f.B) * f.C;
  const double a = f.D / det, b = -f.B / det, c = -f.C / det, d = f.A / det;
  inverse_ = {float(a), float(b), float(c), float(d), float(-(a * f.E + c * f.F)), float(-(b * f.E + d * f.F))};
  inverseValid_ = true;
  return inverse_;
}

QPointF TAffineTransformation::Transform(QPointF p) const {
  const TCoefficients f = Forward();
  return QPointF(f.A * p.x() + f.C * p.y() + f.E, f.B * p.x() + f.D * p.y() + f.F);
}

QPointF TAffineTransformation::ReverseTransform(QPointF p) const {
  const TCoefficients i = Inverse();
  return QPointF(i.A * p.x() + i.C * p.y() + i.E, i.B * p.x() + i.D * p.y() + i.F);
}

QRectF TAffineTransformation::GetTransformedBounds() const {
  const QPointF corners[4] = {Transform(srcRect_.topLeft()), Transform(srcRect_.topRight()),
                              Transform(srcRect_.bottomLeft()), Transform(srcRect_.bottomRight())};
  double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
  for (const QPointF& p : corners) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}
