// Reading a level's INI keys.
#include "engine/level/LevelSettings.h"

#include <limits>

#include "platform/FolderListing.h"

namespace {
int ReadInteger(const TIniFile& ini, const QString& key, const QString& defaultValue, bool required) {
  const QString text = ini.ReadString(kLevelSection, key, defaultValue).trimmed();
  int value = 0;
  if (ParseLevelInteger(text, &value)) return value;
  if (required && text.isEmpty())
    throw TLevelError(
        QString("В файле уровня «%1» не задан ключ «%2» (раздел [%3]).").arg(ini.FileName(), key, kLevelSection));
  throw TLevelError(
      QString("В файле уровня «%1» ключ «%2» должен быть целым числом, а не «%3».").arg(ini.FileName(), key, text));
}

int ReadRequired(const TIniFile& ini, const QString& key) { return ReadInteger(ini, key, QString(), true); }
}  // namespace

TIniFile OpenLevelIni(const QString& iniFileName) {
  try {
    return TIniFile(iniFileName);
  } catch (const std::runtime_error& e) {
    throw TLevelError(QString::fromStdString(e.what()));
  }
}

bool ParseLevelInteger(const QString& text, int* value) {
  const bool negative = text.startsWith(u'-');
  const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
  if (digits.isEmpty()) return false;
  long long magnitude = 0;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9') return false;
    magnitude = magnitude * 10 + (c.unicode() - u'0');
    if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return false;
  *value = static_cast<int>(signedValue);
  return true;
}

int ReadLevelNumber(const TIniFile& ini) {
  return ReadInteger(ini, QStringLiteral("level"), QStringLiteral("0"), false);
}

QString ReadLevelPack(const TIniFile& ini) {
  return ini.ReadString(kLevelSection, QStringLiteral("pack"), kDefaultPack);
}

TLevelSettings ReadLevelSettings(const QString& iniFileName) {
  const TIniFile ini = OpenLevelIni(iniFileName);
  TLevelSettings s;
  s.level = ReadLevelNumber(ini);
  s.pack = ReadLevelPack(ini);
  // Packs from systems that ignore letter case may name the picture "LVL.BMP" for the file lvl.bmp.
  const QString folder = iniFileName.left(iniFileName.lastIndexOf('/') + 1);
  s.image = MatchFileName(folder, ini.ReadString(kLevelSection, QStringLiteral("image"), QString()));
  s.info = ini.ReadString(kLevelSection, QStringLiteral("info"), QString());
  s.ColCount = ReadRequired(ini, QStringLiteral("ColCount"));
  s.RowCount = ReadRequired(ini, QStringLiteral("RowCount"));
  s.LimTime = ReadRequired(ini, QStringLiteral("LimTime"));
  s.Speed_Movie = ReadRequired(ini, QStringLiteral("Speed_Movie"));
  return s;
}
