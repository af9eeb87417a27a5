// Jigsaw outline generation.
#include "pieces/JigsawOutlines.h"

#include <QPointF>
#include <array>
#include <cmath>
#include <vector>

namespace {
constexpr double kLow = 200, kHigh = 600, kCell = 400;

// One inner edge: the tab's shape along an edge of unit length, bulging to +v (across the edge) when side is +1.
struct EdgeShape {
  std::array<QPointF, 10> points;  // (u, v): three cubic curves sharing their ends
  int side = 1;
};

double Uniform(std::mt19937& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

EdgeShape RandomEdge(std::mt19937& random) {
  const double t = Uniform(random, 0.085, 0.11);  // tab size; its head reaches about 3t across the edge
  const double b = Uniform(random, -0.04, 0.04);  // neck shifted along the edge
  const double c = Uniform(random, -0.015, 0.015);
  const double d = Uniform(random, -0.02, 0.02);  // head leaning
  const double a = Uniform(random, -0.02, 0.02), e = Uniform(random, -0.02, 0.02);
  EdgeShape edge;
  edge.points = {QPointF(0, 0),
                 QPointF(0.2, a),
                 QPointF(0.5 + b + d, -t + c),
                 QPointF(0.5 - t + b, t + c),
                 QPointF(0.5 - 2 * t + b - d, 3 * t + c),
                 QPointF(0.5 + 2 * t + b - d, 3 * t + c),
                 QPointF(0.5 + t + b, t + c),
                 QPointF(0.5 + b + d, -t + c),
                 QPointF(0.8, e),
                 QPointF(1, 0)};
  edge.side = random() % 2 == 0 ? 1 : -1;
  return edge;
}

QString Curve(const std::vector<QPointF>& points) {
  QStringList numbers;
  for (const QPointF& p : points) numbers << QString::number(std::lround(p.x())) << QString::number(std::lround(p.y()));
  return numbers.join(',');
}

// The edge's curves in outline space, along the cell side from `from` in direction `along`, bulging to `across`.
QStringList EdgeCurves(const EdgeShape* edge, QPointF from, QPointF along, QPointF across) {
  if (!edge) return {Curve({from, from + along * kCell})};
  auto at = [&](const QPointF& uv) { return from + along * (uv.x() * kCell) + across * (uv.y() * kCell * edge->side); };
  QStringList curves;
  for (int first : {0, 3, 6})
    curves << Curve({at(edge->points[first]), at(edge->points[first + 1]), at(edge->points[first + 2]),
                     at(edge->points[first + 3])});
  return curves;
}
}  // namespace

QStringList JigsawOutlines(int ColCount, int RowCount, std::mt19937& random) {
  // vertical[r][c]: the edge right of piece (r, c); horizontal[r][c]: the edge below it.
  std::vector<std::vector<EdgeShape>> vertical(RowCount), horizontal(RowCount);
  for (int r = 0; r < RowCount; ++r)
    for (int c = 0; c < ColCount; ++c) {
      if (c + 1 < ColCount) vertical[r].push_back(RandomEdge(random));
      if (r + 1 < RowCount) horizontal[r].push_back(RandomEdge(random));
    }
  const QPointF right(1, 0), down(0, 1);
  QStringList outlines;
  for (int r = 0; r < RowCount; ++r)
    for (int c = 0; c < ColCount; ++c) {
      // Each shared edge is drawn from the same corner in the same direction in both pieces: the piece on the
      // far side sees it shifted by one cell.
      const EdgeShape* top = r > 0 ? &horizontal[r - 1][c] : nullptr;
      const EdgeShape* bottom = r + 1 < RowCount ? &horizontal[r][c] : nullptr;
      const EdgeShape* left = c > 0 ? &vertical[r][c - 1] : nullptr;
      const EdgeShape* rightEdge = c + 1 < ColCount ? &vertical[r][c] : nullptr;
      QStringList curves;
      curves << EdgeCurves(top, QPointF(kLow, kLow), right, down);
      curves << EdgeCurves(rightEdge, QPointF(kHigh, kLow), down, right);
      curves << EdgeCurves(bottom, QPointF(kLow, kHigh), right, down);
      curves << EdgeCurves(left, QPointF(kLow, kLow), down, right);
      outlines << curves.join(';');
    }
  return outlines;
}
