// Zoom and pan of the table: the view's transform and scroll position only, so no piece ever moves with them.
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"

namespace {
// Zoomed in, a picture pixel covers this many view pixels at most.
constexpr double kLargestZoom = 2;
}  // namespace

double TFreeTable::Zoom() const { return transform().m11(); }

double TFreeTable::SmallestZoom() const {
  const QRectF table = puzzle_.Table();
  const QSize view = viewport()->size();
  return std::min(kLargestZoom, std::min(view.width() / table.width(), view.height() / table.height()));
}

double TFreeTable::LargestZoom() const { return kLargestZoom; }

QPointF TFreeTable::OnTable(QPointF viewportPoint) const { return viewportTransform().inverted().map(viewportPoint); }

void TFreeTable::SetZoom(double zoom) { setTransform(QTransform::fromScale(zoom, zoom)); }

void TFreeTable::ZoomBy(double factor, QPoint anchor) {
  const QPointF kept = OnTable(anchor);
  const double zoom = std::clamp(Zoom() * factor, SmallestZoom(), LargestZoom());
  SetZoom(zoom);
  fitted_ = zoom <= SmallestZoom() * (1 + 1e-9);
  // Scroll so that the kept point comes back under the anchor, as near as whole view pixels allow.
  const QPointF off = (OnTable(anchor) - kept) * zoom;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() - int(std::lround(off.x())));
  verticalScrollBar()->setValue(verticalScrollBar()->value() - int(std::lround(off.y())));
}

void TFreeTable::FitTable() {
  SetZoom(SmallestZoom());
  centerOn(puzzle_.Table().center());
  fitted_ = true;
}

void TFreeTable::PanBy(QPoint viewportDelta) {
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() - viewportDelta.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() - viewportDelta.y());
}

void TFreeTable::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (fitted_ || Zoom() < SmallestZoom()) FitTable();
}
