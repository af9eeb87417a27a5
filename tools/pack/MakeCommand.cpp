// puzzle-pack make: a level pack from a folder of pictures and its manifest pack.ini.
//
// pack.ini has a section [pack] with name= (the theme) and optionally seed=, then one section per level named by
// the level's base name, in play order:
//   picture=  source picture (JPEG or PNG), from the folder     grid=  columns x rows, e.g. 4x4
//   level=    level number (default: 1, 2, 3 … in file order)  info=  description shown when assembled
//   tray=     Speed_Movie in ms, 0 for no tray (default 0)     time=  LimTime in seconds (default from the grid)
//   angle=    largest starting turn of a piece in degrees (default 0 up to 2 x 2, then 30)
// Pictures are cropped to their central square, resized to 800 x 800 and stored as JPEG quality 85 (Qt's
// JPEG writer); outlines are classic jigsaw pieces.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <random>

#include "game/JigsawOutlines.h"
#include "game/LevelData.h"
#include "game/LevelSettings.h"
#include "platform/IniFile.h"
#include "platform/ZipArchive.h"
#include "tools/pack/Commands.h"

namespace {
constexpr int kPictureSize = 800;
constexpr int kNoNeighbour = 0xFFFF;

struct LevelPlan {
  QString base, picture, info;
  int level = 0, cols = 0, rows = 0, tray = 0, time = 0, angle = 0;
};

int Number(const TIniFile& ini, const QString& section, const QString& key, int fallback) {
  const QString text = ini.ReadString(section, key, QString::number(fallback));
  int value = 0;
  if (!ParseLevelInteger(text, &value))
    throw std::runtime_error(QString("[%1] %2=%3 is not an integer").arg(section, key, text).toStdString());
  return value;
}

LevelPlan ReadPlan(const TIniFile& ini, const QString& section, int order) {
  LevelPlan plan;
  plan.base = section;
  plan.picture = ini.ReadString(section, "picture", QString());
  plan.info = ini.ReadString(section, "info", QString());
  plan.level = Number(ini, section, "level", order);
  const QStringList grid = ini.ReadString(section, "grid", QString()).split('x');
  if (grid.size() != 2 || !ParseLevelInteger(grid[0], &plan.cols) || !ParseLevelInteger(grid[1], &plan.rows) ||
      plan.cols < 1 || plan.rows < 1 || plan.cols > 20 || plan.rows > 20)
    throw std::runtime_error(QString("[%1] grid= must be COLSxROWS, 1 to 20 each").arg(section).toStdString());
  const int pieces = plan.cols * plan.rows;
  plan.tray = Number(ini, section, "tray", 0);
  plan.time = Number(ini, section, "time", static_cast<int>(std::ceil((120 + 25.0 * pieces) / 30) * 30));
  plan.angle = Number(ini, section, "angle", pieces <= 4 ? 0 : 30);
  if (plan.picture.isEmpty()) throw std::runtime_error(QString("[%1] has no picture=").arg(section).toStdString());
  return plan;
}

QByteArray Picture800(const QString& path) {
  QImage image(path);
  if (image.isNull()) throw std::runtime_error(QString("cannot read the picture %1").arg(path).toStdString());
  const int side = std::min(image.width(), image.height());
  image = image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side)
              .scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "JPG", 85)) throw std::runtime_error("Qt cannot write JPEG here (no jpeg plugin?)");
  return jpeg;
}

QByteArray IniText(const QString& pack, const LevelPlan& plan) {
  const QString text = QString(
                           "[PuzzleSettings]\r\nlevel=%1\r\npack=%2\r\nimage=%3.jpg\r\ninfo=%4\r\nColCount=%5\r\n"
                           "RowCount=%6\r\nLimTime=%7\r\nSpeed_Movie=%8\r\n")
                           .arg(plan.level)
                           .arg(pack, plan.base, plan.info)
                           .arg(plan.cols)
                           .arg(plan.rows)
                           .arg(plan.time)
                           .arg(plan.tray);
  return "\xEF\xBB\xBF" + text.toUtf8();
}

QByteArray LevelBytes(const LevelPlan& plan, std::mt19937& random) {
  TLevelData data;
  data.msg = "null";
  // Locking tolerance: about a twelfth of a cell, never below 8 pixels; ten degrees of turn.
  data.dr = std::max(8, static_cast<int>(std::lround(kPictureSize / std::max(plan.cols, plan.rows) / 12.0)));
  data.da = 10;
  const QStringList outlines = JigsawOutlines(plan.cols, plan.rows, random);
  data.Pic.resize(outlines.size());
  for (int k = 0; k < outlines.size(); ++k) {
    TPicClip& p = data.Pic[k];
    p.row = k / plan.cols;
    p.col = k % plan.cols;
    p.Index = k;
    p.IndexAttach = -1;
    p.SpeedRotation = 10;
    p.IdLeft = p.col > 0 ? k - 1 : kNoNeighbour;
    p.IdRight = p.col + 1 < plan.cols ? k + 1 : kNoNeighbour;
    p.IdUp = p.row > 0 ? k - plan.cols : kNoNeighbour;
    p.IdDown = p.row + 1 < plan.rows ? k + plan.cols : kNoNeighbour;
    p.Angle = plan.angle > 0 ? std::uniform_int_distribution<int>(-plan.angle, plan.angle)(random) : 0;
    p.ID = outlines[k];
  }
  return LevelDataBytes(data);
}
}  // namespace

int MakeCommand(const QStringList& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: puzzle-pack make FOLDER PACK.zip   (FOLDER/pack.ini lists the levels)\n");
    return 2;
  }
  const QString folder = args[0].endsWith('/') ? args[0] : args[0] + '/';
  const TIniFile manifest(folder + "pack.ini");
  const QString pack = manifest.ReadString("pack", "name", QString());
  if (pack.isEmpty()) throw std::runtime_error("pack.ini: [pack] has no name=");
  std::mt19937 random(static_cast<unsigned>(Number(manifest, "pack", "seed", 1)));

  TZipWriter zip(args[1]);
  int order = 0;
  for (const QString& section : manifest.Sections()) {
    if (section.compare("pack", Qt::CaseInsensitive) == 0) continue;
    const LevelPlan plan = ReadPlan(manifest, section, ++order);
    zip.Add(plan.base + ".ini", IniText(pack, plan));
    zip.Add(plan.base + ".level", LevelBytes(plan, random));
    zip.Add(plan.base + ".jpg", Picture800(QDir(folder).filePath(plan.picture)));
    std::printf("%s: level %d, %dx%d, %s\n", plan.base.toUtf8().constData(), plan.level, plan.cols, plan.rows,
                plan.tray ? "tray" : "board");
  }
  if (order == 0) throw std::runtime_error("pack.ini lists no level");
  zip.Write();
  return 0;
}
