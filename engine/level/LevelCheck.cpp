// Level checks for pack authors.
#include "engine/level/LevelCheck.h"

#include <QFileInfo>
#include <QImage>

#include "engine/Conventions.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelLoad.h"
#include "pieces/OutlinePath.h"
#include "pieces/PixelTrack.h"
#include "platform/PictureFile.h"

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
      LoadPicture(path, QSize(kPictureSize, kPictureSize));
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

void CheckLevel(const QString& folder, const QString& iniName, TLevelCheck& check) {
  QStringList problems;
  TLevel level;
  try {
    level = ReadLevel(folder + iniName);
  } catch (const TLevelError& e) {
    check.problems << e.Text();
    return;
  }
  const TLevelSettings& s = level.settings;
  if (s.LimTime <= 0)
    check.warnings << folder + iniName + QString(": LimTime=%1, уровень проигран сразу после начала").arg(s.LimTime);
  if (s.info.trimmed().isEmpty())
    check.warnings << folder + iniName + ": пустой «info», в поздравлении не будет описания картинки";
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
  if (level.data.Pic.size() > static_cast<std::size_t>(needed))
    check.warnings << folder + iniName +
                          QString(": в файле данных %1 деталей, а сетке %2 × %3 нужно %4; лишние не используются")
                              .arg(level.data.Pic.size())
                              .arg(s.ColCount)
                              .arg(s.RowCount)
                              .arg(needed);
  for (int k = 0; k < needed; ++k)
    for (const QString& problem : CheckOutline(level.data.Pic[k].ID))
      problems
          << QString("деталь %1 (ряд %2, столбец %3): %4").arg(k).arg(k / s.ColCount).arg(k % s.ColCount).arg(problem);
  for (const QString& problem : problems) check.problems << folder + iniName + ": " + problem;
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

TLevelCheck CheckLevels(const QString& folder) {
  const QString dir = folder.endsWith('/') ? folder : folder + '/';
  TLevelCheck check;
  check.levels = ListLevelFiles(dir);
  if (check.levels.isEmpty()) check.problems << dir + ": нет ни одного уровня (*.ini)";
  for (const QString& iniName : check.levels) CheckLevel(dir, iniName, check);
  return check;
}

QStringList CheckLevelFolder(const QString& folder) { return CheckLevels(folder).problems; }
