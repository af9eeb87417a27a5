// Level checks for pack authors.
#include "game/LevelCheck.h"

#include <QFileInfo>
#include <QImage>

#include "game/LevelFolder.h"
#include "game/LevelLoad.h"
#include "pieces/OutlinePath.h"
#include "pieces/PixelTrack.h"
#include "platform/Jpeg.h"

namespace {
// Traces the outline as the cut does and returns how far its shape reaches beyond each side of the cell.
TMargins TraceMargins(const QString& outline) {
  TrackPixel.Create(kPatternSize, kPatternSize);
  try {
    TrackPixel.PathLoadFromString(outline);
    TrackPixel.BuildTrack();
    TrackPixel.FloodFillPattern();
    const TMargins margins = TrackPixel.CropPattern();
    TrackPixel.Destroy();
    return margins;
  } catch (...) {
    TrackPixel.Destroy();
    throw;
  }
}

QString CheckPicture(const QString& path) {
  if (!QFileInfo::exists(path)) return QString("нет картинки «%1»").arg(QFileInfo(path).fileName());
  const QString suffix = QFileInfo(path).suffix().toLower();
  try {
    if (suffix == "jpg" || suffix == "jpeg") {
      DecodeJpegFile(path);
    } else if (suffix != "bmp") {
      return QString("картинка «%1» не JPEG и не BMP").arg(QFileInfo(path).fileName());
    } else if (QImage(path).isNull()) {
      return QString("картинка «%1» не читается").arg(QFileInfo(path).fileName());
    }
  } catch (const std::exception& e) {
    return QString::fromStdString(e.what());
  }
  return QString();
}

QStringList CheckLevel(const QString& folder, const QString& iniName) {
  QStringList problems;
  TLevel level;
  try {
    level = ReadLevel(folder + iniName);
  } catch (const TLevelError& e) {
    return {e.Text()};
  }
  const TLevelSettings& s = level.settings;
  const QString base = LevelBaseName(iniName);
  if (s.image.isEmpty())
    problems << "не задан ключ «image»";
  else if (const QString problem = CheckPicture(folder + s.image); !problem.isEmpty())
    problems << problem;
  if (s.image != base + ".jpg")
    if (const QString problem = CheckPicture(folder + base + ".jpg"); !problem.isEmpty())
      problems << problem + " (миниатюра для выбора картинок)";
  // Fewer records than the grid is refused by ReadLevel; more is allowed and the extra ones are never used.
  const int needed = s.ColCount * s.RowCount;
  for (int k = 0; k < needed; ++k)
    for (const QString& problem : CheckOutline(level.data.Pic[k].ID))
      problems
          << QString("деталь %1 (ряд %2, столбец %3): %4").arg(k).arg(k / s.ColCount).arg(k % s.ColCount).arg(problem);
  for (QString& problem : problems) problem = folder + iniName + ": " + problem;
  return problems;
}
}  // namespace

QStringList CheckOutline(const QString& outline) {
  QStringList problems;
  try {
    for (const TCurve& curve : ParseOutlinePath(outline))
      for (const QPoint& p : curve)
        if (p.x() < 0 || p.y() < 0 || p.x() >= kPatternSize || p.y() >= kPatternSize) {
          problems << QString("точка (%1, %2) вне поля 800 × 800").arg(p.x()).arg(p.y());
          return problems;
        }
    const TMargins m = TraceMargins(outline);
    if (m.Left < 0 || m.Top < 0 || m.Right < 0 || m.Bottom < 0)
      problems << QString("контур не доходит до края клетки (выступы слева %1, сверху %2, справа %3, снизу %4)")
                      .arg(m.Left)
                      .arg(m.Top)
                      .arg(m.Right)
                      .arg(m.Bottom);
  } catch (const std::exception& e) {
    problems << QString("контур не читается: %1").arg(QString::fromStdString(e.what()));
  }
  return problems;
}

QStringList CheckLevelFolder(const QString& folder) {
  const QString dir = folder.endsWith('/') ? folder : folder + '/';
  const QStringList levels = ListLevelFiles(dir);
  if (levels.isEmpty()) return {dir + ": нет ни одного уровня (*.ini)"};
  QStringList problems;
  for (const QString& iniName : levels) problems << CheckLevel(dir, iniName);
  return problems;
}
