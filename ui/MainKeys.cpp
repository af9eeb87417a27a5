// The main window's keys: turning the held piece, pause, full screen and help, beside the mouse that does the same.
#include <QKeyEvent>

#include "engine/PicPuzzle.h"
#include "platform/MessageBox.h"
#include "ui/MainForm.h"

void TMainForm::keyPressEvent(QKeyEvent* event) {
  // A larger angle turns counter-clockwise: left and up go that way, like the wheel turned up.
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: Puzzle.MouseWheelUp(1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: Puzzle.MouseWheelDown(1); break;
    case Qt::Key_PageUp: Puzzle.MouseWheelUp(10); break;
    case Qt::Key_PageDown: Puzzle.MouseWheelDown(10); break;
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) RunReported([this] { BmpButton2Click(); });
      break;
    case Qt::Key_F11:
      if (!event->isAutoRepeat()) SwitchFullScreen();
      break;
    case Qt::Key_F1:
      if (!event->isAutoRepeat()) RunReported([this] { HelpButtonClick(); });
      break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

// Full screen and back gives the window back as it was, size and place.
void TMainForm::SwitchFullScreen() {
  if (windowState() == Qt::WindowNoState) restoreTo_ = geometry();
  setWindowState(windowState() ^ Qt::WindowFullScreen);
  FormResize();
}
