// The player's own pictures: files named at start or dropped on the window become levels and the first starts.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <optional>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelLoad.h"
#include "engine/level/OwnPictures.h"
#include "platform/MessageBox.h"
#include "platform/PictureFile.h"
#include "ui/MainForm.h"

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPictures(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QStringList paths = DroppedPictures(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  RunReported([&] { OfferPictures(paths); });
}

void TMainForm::OpenPictures(const QStringList& paths) {
  std::optional<TOwnLevel> first;
  QStringList failures;
  for (const QString& path : paths) {
    try {
      const TOwnLevel made = AddOwnPicture(path);
      if (!first) first = made;
    } catch (const std::exception& e) {
      failures << QString::fromUtf8(e.what());
    }
  }
  if (!failures.isEmpty()) ShowMessageBox(failures.join("\n"), "", TMsgIcon::Warning);
  if (!first || Puzzle.Starting()) return;
  // The level in play gives way, as it does to a new start; a saved one or a message waits no longer.
  if (Puzzle.GameStatus.IdStep == stPaused) BmpButton2Click();
  if (Puzzle.GameStatus.IdStep == stPlaying) {
    Puzzle.StopGame();
    Puzzle.ClearGame();
  }
  Puzzle.GameStatus.IdStep = stIdle;
  Puzzle.GameStatus.msg = "null";
  Puzzle.Pack = kOwnPicturesPack;
  Puzzle.level = first->level;
  BmpButton1->setText("Начать");
  BmpButton1->Tag = 0;
  StartFoundLevel(Puzzle.level);
}
