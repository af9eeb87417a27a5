// Outline parsing and the cut of one piece. A level data file as input gives its first outline, so the default
// packs seed real outlines; any other input is taken as outline text itself.
#include <cstdint>
#include <exception>

#include "engine/level/LevelData.h"
#include "pieces/PieceCut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString outline;
  try {
    const TLevelData level = ParseLevelData(bytes);
    if (level.Pic.empty()) return 0;
    outline = level.Pic.front().ID;
  } catch (const std::exception&) {
    outline = QString::fromUtf8(bytes);
  }
  TCutInput input;
  input.picture = TBitmap32(64, 64, 0xFF808080);
  input.ColCount = input.RowCount = 1;
  input.outlines = {outline};
  TFastShapes shapes;
  try {
    CutPicture(input, shapes);
  } catch (const std::exception&) {
  }
  return 0;
}
