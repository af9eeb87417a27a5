// The piece counts offered for a picture, through the grid a free puzzle would really get.
#include "free/windows/PieceCounts.h"

#include <algorithm>

#include "free/puzzle/FreeGrid.h"

namespace {
// Roughly even steps on a logarithmic scale, so each choice is a different puzzle.
constexpr int kCounts[] = {12, 24, 48, 70, 100, 150, 200, 300, 500, 750, 1000};
}  // namespace

QString CountText(int count, const char* one, const char* few, const char* many) {
  const int lastTwo = count % 100, last = count % 10;
  const char* word = (lastTwo >= 11 && lastTwo <= 14) ? many : last == 1 ? one : (last >= 2 && last <= 4) ? few : many;
  return QString("%1 %2").arg(count).arg(QString::fromUtf8(word));
}

QString PiecesText(int pieces) { return CountText(pieces, "деталь", "детали", "деталей"); }

std::vector<TPieceCountChoice> PieceCountChoices(QSize picture) {
  std::vector<TPieceCountChoice> choices;
  for (int pieces : kCounts) {
    TFreeGrid grid;
    try {
      grid = FitFreeGrid(picture, pieces);
    } catch (const TFreeError&) {
      continue;
    }
    // A small picture may give two asked counts the same grid: it is offered once.
    if (!choices.empty() && choices.back().Columns == grid.Columns && choices.back().Rows == grid.Rows) continue;
    const QRect cell = FreeCell(grid, 0, 0);
    const int side = std::min(cell.width(), cell.height());
    choices.push_back({pieces, grid.Columns, grid.Rows, side,
                       QString("%1: %2 × %3, деталь %4")
                           .arg(PiecesText(grid.Columns * grid.Rows))
                           .arg(grid.Columns)
                           .arg(grid.Rows)
                           .arg(CountText(side, "точка", "точки", "точек"))});
  }
  return choices;
}
