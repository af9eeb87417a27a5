// Starting a free puzzle from the command line: its window, or one message saying why the picture will not do.
#include "free/table/FreeStart.h"

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeWindow.h"
#include "platform/MessageBox.h"

std::unique_ptr<TFreeWindow> OpenFreePuzzle(const QString& picture, int pieces, bool turned, std::mt19937& random) {
  std::unique_ptr<TFreePuzzle> puzzle;
  try {
    puzzle = StartFreePuzzle(picture, pieces, turned, random);
  } catch (const TFreeError& e) {
    ShowMessageBox(QString::fromStdString(e.what()), "Свободная сборка", TMsgIcon::Error);
    return nullptr;
  }
  auto window = std::make_unique<TFreeWindow>(std::move(puzzle), picture);
  window->show();
  return window;
}
