// The free puzzle's file reader on any bytes: a saved puzzle or a Russian refusal, never more memory than the
// bytes can describe.
#include <cstdint>
#include <exception>

#include "free/saves/FreeSaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    ParseFreeSave(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const std::exception&) {
  }
  return 0;
}
