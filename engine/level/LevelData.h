// The level data file (".level"): a status header the level start takes over, the snapping tolerances and one
// record per piece with its outline.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

#include "engine/PicPuzzle.h"

struct TLevelData : TLevelStatus {
  TLevelData() { PicLayer_Index = -1; }  // a level starts with no piece in hand
  int dr = 0;
  int da = 0;
  std::vector<TPicClip> Pic;  // row-major; bmp stays empty
};

// A level that cannot be played as its files stand; the text names the file and the fault, for the player.
class TLevelError : public std::runtime_error {
 public:
  explicit TLevelError(const QString& text) : std::runtime_error(text.toStdString()) {}
  QString Text() const { return QString::fromStdString(what()); }
};

// Reads a level data file. Throws TLevelError when it is missing, ends early or holds an impossible count.
TLevelData ReadLevelData(const QString& fileName);
// The same from bytes in memory; throws TBinaryFormatError.
TLevelData ParseLevelData(const QByteArray& bytes);

// The file's bytes: reserved fields are written as zeros and empty texts.
// Throws std::out_of_range when a 16-bit field (size, home, neighbours) is outside 0..65535.
QByteArray LevelDataBytes(const TLevelData& data);
void WriteLevelData(const QString& fileName, const TLevelData& data);
