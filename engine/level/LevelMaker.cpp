// One level's files from a picture and a plan.
#include "engine/level/LevelMaker.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "engine/Conventions.h"
#include "engine/level/LevelData.h"
#include "pieces/JigsawOutlines.h"
#include "platform/PictureFile.h"

namespace {
constexpr int kNoNeighbour = 0xFFFF;
}  // namespace

int DefaultLevelTime(int cols, int rows) { return static_cast<int>(std::ceil((120 + 25.0 * cols * rows) / 30) * 30); }

int DefaultLevelAngle(int cols, int rows) { return cols * rows <= 4 ? 0 : 30; }

QImage LevelPicture(const QImage& source) {
  const int side = std::min(source.width(), source.height());
  const QImage square = source.copy((source.width() - side) / 2, (source.height() - side) / 2, side, side)
                            .scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawImage(0, 0, square);
  return picture;
}

QImage ReadSourcePicture(const QString& path, QSize atLeast) {
  // Enlarged more than four times over, a picture is a blur.
  constexpr int kSmallestSide = kPictureSize / 4;
  return LoadPicture(path, atLeast, QSize(kSmallestSide, kSmallestSide));
}

QByteArray LevelIniBytes(const QString& pack, const TLevelPlan& plan) {
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

QByteArray LevelDataBytesFor(const TLevelPlan& plan, std::mt19937& random) {
  TLevelData data;
  data.msg = "null";
  data.dr = plan.dr > 0
                ? plan.dr
                : std::max(8, static_cast<int>(std::lround(kPictureSize / std::max(plan.cols, plan.rows) / 12.0)));
  data.da = plan.da;
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

QByteArray LevelPictureBytes(const QImage& source) {
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  if (!LevelPicture(source).save(&buffer, "JPG", 85))
    throw std::runtime_error("Qt cannot write JPEG here (no jpeg plugin?)");
  return jpeg;
}
