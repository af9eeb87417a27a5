// The level data reader on any bytes: it reads a level or refuses, and what it reads writes back the same.
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "engine/level/LevelData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TLevelData level;
  try {
    level = ParseLevelData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const std::exception&) {
    return 0;
  }
  try {
    if (ParseLevelData(LevelDataBytes(level)).Pic.size() != level.Pic.size()) std::abort();
  } catch (const std::out_of_range&) {
    // A field beyond what the file format can hold is refused on writing, not read wrongly.
  }
  return 0;
}
