// The player's free puzzles: one file each in the data folder's "free/", taken from a puzzle, listed, resumed
// and deleted.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeSaveFile.h"

// DataFolder() + "free/", with a trailing "/"; not created until a puzzle is written.
QString FreeSaveFolder();
// A path in FreeSaveFolder() that no file has yet.
QString NewFreeSavePath();

// The puzzle as it stands, with a thumbnail of its table and the time now.
TFreeSave TakeFreeSave(const TFreePuzzle& puzzle, int seconds);
// Replaces the file whole or not at all, creating the folder; throws std::runtime_error with a Russian text.
void WriteFreeSave(const QString& path, const TFreeSave& save);
// Reads one file; throws TFreeError with a Russian text naming the file and the reason.
TFreeSave ReadFreeSave(const QString& path);
// The saved puzzle again: its origin cut anew, every piece put back. Throws TFreeError with a Russian text when
// the picture is gone, has changed since, or the state does not fit. The time to go on from is save.Seconds.
std::unique_ptr<TFreePuzzle> ResumeFreePuzzle(const TFreeSave& save);

struct TFreeListing {
  QString Path;
  QString Fault;                // why the file cannot be used, in Russian; empty for a good one
  bool PictureMissing = false;  // a good file whose picture is no longer there
  TFreeOrigin Origin;
  TFreeGrid Grid;
  int Seconds = 0;
  bool Finished = false;
  int PercentJoined = 0;  // of the joins the picture needs, 0..100
  QImage Thumbnail;
  QDateTime LastPlayed;  // when it was saved, else the file's time
};

// Every file of FreeSaveFolder(), last played first. A bad file is a listing with Fault set, never an exception,
// and no file is changed. Reads only the files, never a picture.
std::vector<TFreeListing> ListFreeSaves();
// Removes the file; throws std::runtime_error with a Russian text when it stays.
void DeleteFreeSave(const QString& path);
