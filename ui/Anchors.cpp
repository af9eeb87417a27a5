// Anchoring children to their parent's edges.
#include "ui/Anchors.h"

#include <QEvent>
#include <QWidget>

namespace {
// One axis: both edges stretch, one edge keeps its distance, none keeps the centre's relative place.
void PlaceAxis(int designStart, int designLength, int designParent, bool nearEdge, bool farEdge, int parent, int* start,
               int* length) {
  *length = designLength;
  if (nearEdge && farEdge) {
    *start = designStart;
    *length = designLength + parent - designParent;
  } else if (farEdge) {
    *start = designStart + parent - designParent;
  } else if (nearEdge) {
    *start = designStart;
  } else {
    const double centre = (designStart + designLength / 2.0) * parent / (designParent > 0 ? designParent : 1);
    *start = static_cast<int>(centre - designLength / 2.0);
  }
}
}  // namespace

TAnchors::TAnchors(QWidget* parent, QSize designSize) : QObject(parent), parent_(parent), designSize_(designSize) {
  parent->installEventFilter(this);
}

void TAnchors::Add(QWidget* child, QRect designRect, int anchors) {
  entries_.push_back({child, designRect, anchors});
  child->setGeometry(Place(designRect, designSize_, anchors, parent_->size()));
}

QRect TAnchors::Place(QRect design, QSize designSize, int anchors, QSize size) {
  int x, width, y, height;
  PlaceAxis(design.x(), design.width(), designSize.width(), anchors & akLeft, anchors & akRight, size.width(), &x,
            &width);
  PlaceAxis(design.y(), design.height(), designSize.height(), anchors & akTop, anchors & akBottom, size.height(), &y,
            &height);
  return QRect(x, y, qMax(width, 0), qMax(height, 0));
}

bool TAnchors::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && event->type() == QEvent::Resize) Apply();
  return false;
}

void TAnchors::Apply() {
  for (const Entry& entry : entries_)
    entry.child->setGeometry(Place(entry.design, designSize_, entry.anchors, parent_->size()));
}
