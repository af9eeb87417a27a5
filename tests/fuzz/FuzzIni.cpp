// The INI reader on any bytes: decoding, sections, keys, and the level keys read from them.
#include <QTemporaryDir>
#include <cstdint>
#include <exception>

#include "engine/level/LevelSettings.h"
#include "platform/BinaryStream.h"
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString file = dir.filePath("level.ini");
  WriteFileAtomically(file, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  try {
    const TIniFile ini(file);
    for (const QString& section : ini.Sections()) ini.ReadString(section, "image", QString());
    ReadLevelSettings(file);
  } catch (const std::exception&) {
  }
  return 0;
}
