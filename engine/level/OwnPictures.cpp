// A level of "Мои картинки" from a picture file, made by the pack tool's own level maker.
#include "engine/level/OwnPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <random>
#include <stdexcept>

#include "engine/level/LevelFolder.h"
#include "engine/level/LevelMaker.h"
#include "engine/level/LevelSearch.h"
#include "platform/BinaryStream.h"
#include "platform/PictureFile.h"
#include "platform/PictureRefusal.h"

namespace {
constexpr int kFewestPerSide = 3;
constexpr int kMostPerSide = 6;
constexpr int kPixelsPerPiece = 200;
const QString kIdPrefix = QStringLiteral("moi_");

// The next free number of the theme: one past the highest "moi_N" level in the folder.
int NextOwnNumber(const QString& folder) {
  static const QRegularExpression ownId("^moi_(\\d+)$");
  int highest = 0;
  for (const QString& name : ListLevelFiles(folder)) {
    const QRegularExpressionMatch match = ownId.match(LevelBaseName(name));
    if (match.hasMatch()) highest = std::max(highest, match.captured(1).toInt());
  }
  return highest + 1;
}
}  // namespace

int OwnPictureGrid(QSize pictureSize) {
  const int side = std::min(pictureSize.width(), pictureSize.height()) / kPixelsPerPiece;
  return std::clamp(side, kFewestPerSide, kMostPerSide);
}

TOwnLevel AddOwnPicture(const QString& path) {
  QImage picture;
  try {
    // Decoded large enough that the grid comes out as the photo's full size would give it.
    picture = ReadSourcePicture(path, QSize(kMostPerSide * kPixelsPerPiece, kMostPerSide * kPixelsPerPiece));
  } catch (const TPictureRefusal& refusal) {
    throw std::runtime_error(QString("Не удалось прочитать картинку %1: %2")
                                 .arg(QDir::toNativeSeparators(path), refusal.Reason())
                                 .toStdString());
  }
  const QString folder = LevelDataFolder();
  if (!QDir().mkpath(folder))
    throw std::runtime_error(
        QString("Не удалось создать папку %1").arg(QDir::toNativeSeparators(folder)).toStdString());

  TOwnLevel own;
  own.level = NextOwnNumber(folder);
  own.id = kIdPrefix + QString("%1").arg(own.level, 4, 10, QChar('0'));
  TLevelPlan plan;
  plan.base = own.id;
  plan.level = own.level;
  plan.info = QFileInfo(path).completeBaseName();
  plan.cols = plan.rows = OwnPictureGrid(picture.size());
  plan.time = DefaultLevelTime(plan.cols, plan.rows);
  // An own picture is for pleasure: no tray, pieces start upright.
  plan.tray = 0;
  plan.angle = 0;
  std::mt19937 random(std::random_device{}());
  // The INI file comes last: until it is there, the level does not exist for the game.
  WriteFileAtomically(folder + own.id + ".jpg", LevelPictureBytes(picture));
  WriteFileAtomically(folder + own.id + ".level", LevelDataBytesFor(plan, random));
  WriteFileAtomically(folder + own.id + ".ini", LevelIniBytes(kOwnPicturesPack, plan));
  ForgetReadLevels();
  return own;
}
