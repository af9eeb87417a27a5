// How the main window sits on the desktop: square where it fits, never past the screen, and remembered per player.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <optional>

class QScreen;
class QSettings;

// The square client size for a wanted size (the larger side, at least 548) shrunk to the room a screen leaves.
QSize FitSquare(QSize wanted, QSize room);
// The largest square inside area, centred: the board's panel in a maximised or full-screen window.
QRect CentredSquare(QRect area);
// The client area a window framed by frame can take on the screen's available area.
QSize ClientRoom(const QScreen* screen, QMargins frame);
// The frame moved, and no more, so it lies inside area; a frame larger than area keeps its top left inside.
QPoint KeepInside(QRect frame, QRect area);

// What is remembered of the window between starts.
struct TWindowPlacement {
  enum State { Normal, Maximized, FullScreen };
  QRect geometry;  // the client area of the window when neither maximised nor full screen
  State state = Normal;
  bool muted = false;
};
void SavePlacement(QSettings& settings, const TWindowPlacement& placement);
// None when nothing was saved or the saved values make no window.
std::optional<TWindowPlacement> LoadPlacement(QSettings& settings);
// True when the client area framed by frame lies wholly in the available area of one of the screens.
bool FitsScreens(QRect geometry, QMargins frame, const QList<QScreen*>& screens);
