// The saved-game reader on any bytes: a saved game or a refusal, never more memory than the bytes can describe.
#include <cstdint>
#include <exception>

#include "engine/level/SavedGameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    ParseSavedGame(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const std::exception&) {
  }
  return 0;
}
