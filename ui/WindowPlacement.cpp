// The main window's size rules and what the player's settings keep of it.
#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <climits>

#include "ui/MainForm.h"

namespace {
const char* const kStateNames[] = {"normal", "maximized", "fullscreen"};
}  // namespace

QSize FitSquare(QSize wanted, QSize room) {
  const int side = std::min({TMainForm::SquareSize(wanted).width(), room.width(), room.height()});
  return QSize(side, side);
}

QRect CentredSquare(QRect area) {
  const int side = std::min(area.width(), area.height());
  return QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
}

QSize ClientRoom(const QScreen* screen, QMargins frame) {
  if (!screen) return QSize(INT_MAX, INT_MAX);
  const QRect area = screen->availableGeometry();
  return QSize(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
}

QPoint KeepInside(QRect frame, QRect area) {
  const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
  const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
  return QPoint(x, y);
}

void SavePlacement(QSettings& settings, const TWindowPlacement& placement) {
  settings.setValue("window/geometry", placement.geometry);
  settings.setValue("window/state", kStateNames[placement.state]);
  settings.setValue("sound/muted", placement.muted);
}

std::optional<TWindowPlacement> LoadPlacement(QSettings& settings) {
  const QRect geometry = settings.value("window/geometry").toRect();
  if (!geometry.isValid()) return std::nullopt;
  TWindowPlacement placement;
  placement.geometry = geometry;
  const QString state = settings.value("window/state").toString();
  for (int i = 0; i < 3; ++i)
    if (state == kStateNames[i]) placement.state = TWindowPlacement::State(i);
  placement.muted = settings.value("sound/muted", false).toBool();
  return placement;
}

bool FitsScreens(QRect geometry, QMargins frame, const QList<QScreen*>& screens) {
  const QRect framed = geometry.marginsAdded(frame);
  return std::any_of(screens.begin(), screens.end(),
                     [&](const QScreen* screen) { return screen->availableGeometry().contains(framed); });
}
