// The arithmetic of a group's place: turning picture points onto the table and comparing angles.
#pragma once

#include <QPointF>
#include <cmath>
#include <numbers>

#include "free/puzzle/FreeLayout.h"

// Rotate(degrees) · v, counter-clockwise on the screen, whose y axis points down.
inline QPointF Rotated(QPointF v, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  return QPointF(v.x() * c + v.y() * s, -v.x() * s + v.y() * c);
}

inline QPointF ToTable(const TGroupPlace& place, QPointF picture) {
  return place.Origin + Rotated(picture, place.Angle);
}

// a - b as an angle in (-180, 180].
inline double AngleBetween(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d <= -180) d += 360;
  if (d > 180) d -= 360;
  return d;
}
