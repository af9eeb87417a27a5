// Saving one free puzzle as it is played: a failure is told to the player once, and play goes on.
#pragma once

#include <QString>

class TFreePuzzle;

class TFreeKeeper {
 public:
  explicit TFreeKeeper(QString path);
  const QString& Path() const { return path_; }

  // Writes the puzzle now. A failure shows one Russian message and returns false; later failures stay quiet until
  // a save succeeds again.
  bool Save(const TFreePuzzle& puzzle, int seconds);

 private:
  QString path_;
  bool failing_ = false;
};
