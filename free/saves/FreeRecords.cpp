// The best times: one JSON file beside the puzzles, a key per picture and grid.
#include "free/saves/FreeRecords.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "free/saves/FreeSaves.h"
#include "platform/BinaryStream.h"

namespace {
QString RecordsPath() { return FreeSaveFolder() + "records.json"; }

QString Key(const TFreeOrigin& origin, const TFreeGrid& grid) {
  return QString("%1|%2x%3").arg(origin.Picture).arg(grid.Columns).arg(grid.Rows);
}

QJsonObject Records() {
  QFile file(RecordsPath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll()).object();
}
}  // namespace

std::optional<int> BestFreeSeconds(const TFreeOrigin& origin, const TFreeGrid& grid) {
  const QJsonValue best = Records().value(Key(origin, grid));
  if (!best.isDouble() || best.toInt(-1) < 0) return std::nullopt;
  return best.toInt();
}

bool KeepFreeSeconds(const TFreeOrigin& origin, const TFreeGrid& grid, int seconds) {
  const std::optional<int> best = BestFreeSeconds(origin, grid);
  if (best && *best <= seconds) return false;
  QJsonObject records = Records();
  records[Key(origin, grid)] = seconds;
  QDir().mkpath(FreeSaveFolder());
  try {
    WriteFileAtomically(RecordsPath(), QJsonDocument(records).toJson());
  } catch (const std::exception& e) {
    throw std::runtime_error(QString("Лучшее время не сохранено. %1").arg(QString::fromUtf8(e.what())).toStdString());
  }
  return true;
}
