// puzzle-pack make: a level pack from a folder of pictures and its manifest pack.ini.
//
// pack.ini has a section [pack] with name= (the theme) and optionally seed=, then one section per level named by
// the level's base name, in play order:
//   picture=  source picture (JPEG, PNG, WebP, TIFF, HEIC, BMP) grid=  columns x rows, e.g. 4x4
//   level=    level number (default: 1, 2, 3 … in file order)  info=  description shown when assembled
//   tray=     Speed_Movie in ms, 0 for no tray (default 0)     time=  LimTime in seconds (default from the grid)
//   angle=    largest starting turn of a piece in degrees (default 0 up to 2 x 2, then 30)
//   dr=       locking distance in picture pixels (default a twelfth of a cell, at least 8)
//   da=       locking angle in degrees (default 10)
// Pictures that are not square are cropped to their central square (never stretched), transparency is laid over
// white, and the result is resized to 800 x 800 and stored as JPEG quality 85; outlines are classic jigsaw pieces.
#include <QDir>
#include <cstdio>
#include <random>

#include "engine/level/LevelMaker.h"
#include "engine/level/LevelSettings.h"
#include "platform/IniFile.h"
#include "platform/ZipArchive.h"
#include "tools/pack/Commands.h"

namespace {
const char* const kUsage =
    "usage: puzzle-pack make FOLDER PACK.zip\n"
    "  FOLDER/pack.ini: [pack] name= (the theme) and seed=, then one section per level, named by its base name:\n"
    "    picture= JPEG, PNG, WebP, TIFF, HEIC or BMP in FOLDER, at least 200 x 200   grid= COLSxROWS\n"
    "    level= number (default: order in the file)\n"
    "    info= description                tray= Speed_Movie ms (0: no tray)\n"
    "    time= seconds (default from the grid)   angle= largest starting turn in degrees\n"
    "    dr= locking distance in pixels (default from the grid)   da= locking angle in degrees (default 10)\n"
    "  A picture that is not square is cropped to its central square, never stretched; transparency is laid\n"
    "  over white; the result is 800 x 800.\n";

struct LevelSource {
  TLevelPlan plan;
  QString picture;
};

int Number(const TIniFile& ini, const QString& section, const QString& key, int fallback) {
  const QString text = ini.ReadString(section, key, QString::number(fallback));
  int value = 0;
  if (!ParseLevelInteger(text, &value))
    throw std::runtime_error(QString("[%1] %2=%3 is not an integer").arg(section, key, text).toStdString());
  return value;
}

LevelSource ReadPlan(const TIniFile& ini, const QString& section, int order) {
  LevelSource source;
  TLevelPlan& plan = source.plan;
  plan.base = section;
  source.picture = ini.ReadString(section, "picture", QString());
  plan.info = ini.ReadString(section, "info", QString());
  plan.level = Number(ini, section, "level", order);
  const QStringList grid = ini.ReadString(section, "grid", QString()).split('x');
  if (grid.size() != 2 || !ParseLevelInteger(grid[0], &plan.cols) || !ParseLevelInteger(grid[1], &plan.rows) ||
      plan.cols < 1 || plan.rows < 1 || plan.cols > 20 || plan.rows > 20)
    throw std::runtime_error(QString("[%1] grid= must be COLSxROWS, 1 to 20 each").arg(section).toStdString());
  plan.tray = Number(ini, section, "tray", 0);
  plan.time = Number(ini, section, "time", DefaultLevelTime(plan.cols, plan.rows));
  plan.angle = Number(ini, section, "angle", DefaultLevelAngle(plan.cols, plan.rows));
  plan.dr = Number(ini, section, "dr", plan.dr);
  plan.da = Number(ini, section, "da", plan.da);
  if (plan.dr < 0 || plan.da < 0)
    throw std::runtime_error(QString("[%1] dr= and da= must not be negative").arg(section).toStdString());
  if (source.picture.isEmpty()) throw std::runtime_error(QString("[%1] has no picture=").arg(section).toStdString());
  return source;
}
}  // namespace

int MakeCommand(const QStringList& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.size() != 2) {
    std::fputs(kUsage, stderr);
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
    const LevelSource source = ReadPlan(manifest, section, ++order);
    const TLevelPlan& plan = source.plan;
    zip.Add(plan.base + ".ini", LevelIniBytes(pack, plan));
    zip.Add(plan.base + ".level", LevelDataBytesFor(plan, random));
    zip.Add(plan.base + ".jpg", LevelPictureBytes(ReadSourcePicture(QDir(folder).filePath(source.picture))));
    std::printf("%s: level %d, %dx%d, %s\n", plan.base.toUtf8().constData(), plan.level, plan.cols, plan.rows,
                plan.tray ? "tray" : "board");
  }
  if (order == 0) throw std::runtime_error("pack.ini lists no level");
  zip.Write();
  return 0;
}
