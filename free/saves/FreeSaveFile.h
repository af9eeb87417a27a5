// The bytes of one free puzzle's file: a magic that tells it from any other file, a version, then the puzzle.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>

#include "free/puzzle/FreeError.h"
#include "free/puzzle/FreeGrid.h"
#include "free/puzzle/FreeState.h"

// The version this game writes; a file of a later one is refused by name rather than misread.
constexpr int kFreeSaveVersion = 1;

struct TFreeSave {
  TFreeOrigin Origin;
  TFreeGrid Grid;  // as the origin cut it when saved: a re-cut that differs means the picture changed
  TFreeState State;
  int Seconds = 0;  // of play so far
  bool Finished = false;
  QImage Thumbnail;  // the table as it stood, small; may be null
  QDateTime Saved;   // UTC
};

QByteArray FreeSaveBytes(const TFreeSave& save);
// Throws TFreeError with a Russian reason: not a puzzle file, a later version, cut short, damaged. Never allocates
// beyond what the bytes can hold, never decodes a thumbnail larger than the game writes.
TFreeSave ParseFreeSave(const QByteArray& bytes);
// Whether the bytes (a file's first few suffice) begin as a free puzzle's file does.
bool LooksLikeFreeSave(const QByteArray& head);
