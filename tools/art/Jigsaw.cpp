// Outlines of classic jigsaw pieces: a straight edge with a round tab on a narrow neck.
#include <QLineF>

#include "tools/art/Art.h"

namespace {
// One tab in edge units: u runs along the edge from 0 to 1, v away from it; six cubic segments, symmetric.
struct TSegment {
  QPointF c1, c2, end;
};
constexpr TSegment kTab[] = {
    {{0.25, 0.00}, {0.42, -0.03}, {0.40, 0.06}}, {{0.38, 0.10}, {0.32, 0.13}, {0.34, 0.19}},
    {{0.36, 0.25}, {0.43, 0.28}, {0.50, 0.28}},  {{0.57, 0.28}, {0.64, 0.25}, {0.66, 0.19}},
    {{0.68, 0.13}, {0.62, 0.10}, {0.60, 0.06}},  {{0.58, -0.03}, {0.75, 0.00}, {1.00, 0.00}},
};
}  // namespace

void AddJigsawEdge(QPainterPath& path, QPointF from, QPointF to, int tab) {
  if (tab == 0) {
    path.lineTo(to);
    return;
  }
  const QPointF along = to - from;
  // Left of the direction of travel in y-down coordinates.
  const QPointF side = QPointF(along.y(), -along.x()) * tab;
  auto map = [&](QPointF uv) { return from + along * uv.x() + side * uv.y(); };
  for (const TSegment& s : kTab) path.cubicTo(map(s.c1), map(s.c2), map(s.end));
}

QPainterPath JigsawPiecePath(const QRectF& cell, int top, int right, int bottom, int left) {
  QPainterPath path(cell.topLeft());
  AddJigsawEdge(path, cell.topLeft(), cell.topRight(), top);
  AddJigsawEdge(path, cell.topRight(), cell.bottomRight(), right);
  AddJigsawEdge(path, cell.bottomRight(), cell.bottomLeft(), bottom);
  AddJigsawEdge(path, cell.bottomLeft(), cell.topLeft(), left);
  path.closeSubpath();
  return path;
}
