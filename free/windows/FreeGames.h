// The free puzzles open in this run: each in its window, saved as it is played and when the game ends, with its
// best time kept once it is finished.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "free/puzzle/FreeState.h"

class TFreePuzzle;
class TFreeWindow;

class TFreeGames : public QObject {
  Q_OBJECT

 public:
  TFreeGames();
  ~TFreeGames() override;

  // A new puzzle, saved from its first moment. On bad input one Russian message names the file and the reason,
  // nothing is written, and none is returned.
  TFreeWindow* Start(const TFreeOrigin& origin, bool guide);
  // The saved puzzle in its window, or its window raised when it is open already; a message and none when the
  // file or its picture will not do.
  TFreeWindow* Resume(const QString& path);
  // The saved puzzle's picture and count laid out anew, in the same file.
  TFreeWindow* StartAgain(const QString& path);
  // Writes every open puzzle; the game calls it as it ends and the session asks it as the desktop logs out. A
  // window that closes has written its puzzle already.
  void SaveAll();

  const std::vector<TFreeWindow*> Windows() const;

 signals:
  // The list of the player's puzzles changed: one was started, saved for the first time or finished.
  void PuzzlesChanged();

 private:
  struct TOpen;
  TFreeWindow* Open(std::unique_ptr<TFreePuzzle> puzzle, const QString& path, int seconds, bool guide);
  void Save(TOpen& open);
  void Finish(TOpen& open, int seconds);
  void Close(TFreeWindow* window);
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::vector<std::unique_ptr<TOpen>> open_;
};
