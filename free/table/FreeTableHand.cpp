// The player's hand on the table: a press takes the piece under it with its group, which follows the cursor,
// keeping the pressed point under it, turns with the wheel and the keys, and joins on release.
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"
#include "free/table/JoinFeedback.h"
#include "free/table/PieceItem.h"

namespace {
constexpr double kZoomStep = 1.25;  // a wheel notch or a key press
constexpr double kNotchTurn = 5;    // degrees a wheel notch; the keys turn as in the level game

QPointF Inside(QPointF point, const QRectF& rect) {
  return QPointF(std::clamp(point.x(), rect.left(), rect.right()), std::clamp(point.y(), rect.top(), rect.bottom()));
}
}  // namespace

void TFreeTable::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (held_ >= 0 || panning_) return;
  const QPointF at = OnTable(event->position());
  const int piece = event->button() == Qt::LeftButton ? puzzle_.PieceAt(at) : -1;
  if (piece >= 0) {
    Grab(puzzle_.GroupOf(piece), at);
  } else if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
    panning_ = true;
    panFrom_ = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
  }
  event->accept();
}

void TFreeTable::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TFreeTable::mouseMoveEvent(QMouseEvent* event) {
  if (held_ >= 0) {
    // The pressed point stays on the table, so a group can never be lost beyond its edge.
    const QPointF at = Inside(OnTable(event->position()), puzzle_.Table());
    puzzle_.Move(held_, at - grip_);
    grip_ = at;
    PlaceItems(held_);
  } else if (panning_) {
    const QPoint at = event->position().toPoint();
    PanBy(at - panFrom_);
    panFrom_ = at;
  }
  event->accept();
}

void TFreeTable::mouseReleaseEvent(QMouseEvent* event) {
  if (held_ >= 0 && event->button() == Qt::LeftButton) {
    Release();
  } else if (panning_ && !(event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
    panning_ = false;
    viewport()->unsetCursor();
  }
  event->accept();
}

void TFreeTable::Grab(int group, QPointF at) {
  held_ = group;
  grip_ = at;
  puzzle_.Raise(group);
  StackItems(group);
  viewport()->setCursor(Qt::ClosedHandCursor);
}

void TFreeTable::Release() {
  const int group = held_;
  held_ = -1;
  viewport()->unsetCursor();
  AfterDrop(puzzle_.Drop(group));
}

void TFreeTable::AfterDrop(const TJoinResult& result) {
  const int group = result.Group;
  if (group < 0) return;
  lastPiece_ = puzzle_.Members(group).front();
  PlaceItems(group);
  StackItems(group);
  ShadeItems(group);
  if (!result.MergedGroups.empty() || result.IntoFrame) {
    std::vector<TPieceItem*> joined;
    for (int piece : puzzle_.Members(group)) joined.push_back(items_[piece]);
    feedback_->Joined(std::move(joined));
  }
  Settle();
  if (result.Finished) emit Finished();
}

void TFreeTable::TurnGroup(double degrees) {
  const int group = held_ >= 0 ? held_ : lastPiece_ >= 0 ? puzzle_.GroupOf(lastPiece_) : -1;
  if (group < 0) return;
  puzzle_.Turn(group, degrees);
  PlaceItems(group);
  // A group at rest may now fit its neighbours.
  if (held_ < 0) AfterDrop(puzzle_.Drop(group));
}

void TFreeTable::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (event->modifiers() & Qt::ControlModifier) {
    ZoomBy(std::pow(kZoomStep, notches), event->position().toPoint());
  } else {
    // Fine wheels send parts of a notch: they turn once they add up to one.
    wheelTurn_ += notches;
    const double whole = std::trunc(wheelTurn_);
    wheelTurn_ -= whole;
    if (whole != 0) TurnGroup(whole * kNotchTurn);
  }
  event->accept();
}

void TFreeTable::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers == Qt::ControlModifier,
             controlShift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
  if (event->key() == Qt::Key_Z && control) {
    Undo();
    event->accept();
    return;
  }
  if ((event->key() == Qt::Key_Z && controlShift) || (event->key() == Qt::Key_Y && control)) {
    Redo();
    event->accept();
    return;
  }
  const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
  const QPoint anchor = viewport()->rect().contains(cursor) ? cursor : viewport()->rect().center();
  // A larger angle turns counter-clockwise: left and up go that way, as in the level game.
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: TurnGroup(1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: TurnGroup(-1); break;
    case Qt::Key_PageUp: TurnGroup(10); break;
    case Qt::Key_PageDown: TurnGroup(-10); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomBy(kZoomStep, anchor); break;
    case Qt::Key_Minus: ZoomBy(1 / kZoomStep, anchor); break;
    case Qt::Key_Home: FitTable(); break;
    case Qt::Key_P: SetGuideShown(!GuideShown()); break;
    case Qt::Key_E: SortEdges(); break;
    case Qt::Key_G: Gather(); break;
    default: QGraphicsView::keyPressEvent(event); return;
  }
  event->accept();
}
