// puzzle-pack cut: cuts a level's picture into its pieces exactly as the game does, and shows the result: one PNG per
// piece named after its index, pieces.json with each piece's grid place, margins, size and home, and the cut's time.
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "engine/level/LevelData.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"
#include "pieces/LibStorage.h"
#include "pieces/PieceCut.h"
#include "platform/BinaryStream.h"
#include "platform/PictureFile.h"
#include "tools/pack/Commands.h"

namespace {
constexpr int kPictureSize = 800;

// The level picture as the board holds it: a JPEG resampled to 800 × 800, a BMP at its own size.
TBitmap32 LevelPicture(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  TBitmap32 picture;
  if (suffix == "jpg" || suffix == "jpeg") {
    picture.AssignImage(LoadPicture(path, QSize(kPictureSize, kPictureSize)));
    ScaleBmp(picture, kPictureSize, kPictureSize);
  } else if (suffix == "bmp") {
    QImage image;
    if (!image.load(path, "BMP")) throw std::runtime_error("cannot read the picture " + path.toStdString());
    picture.AssignImage(image);
  } else {
    throw std::runtime_error("the picture " + path.toStdString() + " is neither JPEG nor BMP");
  }
  return picture;
}

QByteArray Png(const TBitmap32& bmp) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !bmp.Image().save(&buffer, "PNG"))
    throw std::runtime_error("cannot encode a piece as PNG");
  return bytes;
}

QJsonObject Report(const TCutPiece& piece) {
  const TMargins& m = piece.margins;
  const TPieceGeometry& g = piece.geometry;
  return {{"Index", piece.Index},
          {"row", piece.row},
          {"col", piece.col},
          {"margins", QJsonObject{{"Left", m.Left}, {"Top", m.Top}, {"Right", m.Right}, {"Bottom", m.Bottom}}},
          {"Width", g.Width},
          {"Height", g.Height},
          {"Left", g.Left},
          {"Top", g.Top}};
}
}  // namespace

int CutCommand(const QStringList& args) {
  if (args.size() != 3 || args[1] != "--out") {
    std::fprintf(stderr, "usage: puzzle-pack cut LEVEL.ini --out DIR\n");
    return 2;
  }
  const QString ini = args[0], out = args[2];
  const TLevelSettings settings = ReadLevelSettings(ini);
  const TLevelData data = ReadLevelData(LevelDataPath(ini));
  const QString picturePath = QFileInfo(ini).dir().filePath(settings.image);
  TCutInput input;
  input.picture = LevelPicture(picturePath);
  input.ColCount = settings.ColCount;
  input.RowCount = settings.RowCount;
  input.speed_movie = settings.Speed_Movie;
  for (const TPicClip& clip : data.Pic) input.outlines.push_back(clip.ID);

  TFastShapes shapes;
  QElapsedTimer clock;
  clock.start();
  const std::vector<TCutPiece> pieces = CutPicture(input, shapes);
  const double ms = clock.nsecsElapsed() / 1e6;

  if (!QDir().mkpath(out)) throw std::runtime_error("cannot make the folder " + out.toStdString());
  const QDir dir(out);
  QJsonArray report;
  for (const TCutPiece& piece : pieces) {
    WriteFileAtomically(dir.filePath(QString("%1.png").arg(piece.Index)), Png(*piece.bmp));
    report.append(Report(piece));
  }
  const TCutGrid grid = CutGrid(input.picture.Width(), input.picture.Height(), input.ColCount, input.RowCount);
  const QJsonObject level{{"level", QFileInfo(ini).fileName()},
                          {"picture", settings.image},
                          {"pictureWidth", input.picture.Width()},
                          {"pictureHeight", input.picture.Height()},
                          {"ColCount", input.ColCount},
                          {"RowCount", input.RowCount},
                          {"PicWidth", grid.PicWidth},
                          {"PicHeight", grid.PicHeight},
                          {"cutMilliseconds", ms},
                          {"pieces", report}};
  WriteFileAtomically(dir.filePath("pieces.json"), QJsonDocument(level).toJson(QJsonDocument::Indented));
  std::printf("%d pieces cut in %.1f ms; written to %s\n", static_cast<int>(pieces.size()), ms,
              QDir::toNativeSeparators(dir.absolutePath()).toUtf8().constData());
  return 0;
}
