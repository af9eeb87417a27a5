// Starting a free puzzle from a picture file: decode, keep size, cut, lay out.
#include <QFileInfo>
#include <QString>

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/puzzle/FreeState.h"
#include "platform/PictureFile.h"
#include "platform/PictureRefusal.h"

namespace {
TFreeError FreeRefusal(const QString& picture, const QString& reason) {
  return TFreeError(QString("Из картинки «%1» не сделать головоломку: %2.").arg(picture, reason).toStdString());
}
}  // namespace

std::unique_ptr<TFreePuzzle> StartFreePuzzle(const TFreeOrigin& origin) {
  try {
    // A count that can never fit is refused before a large picture is decoded.
    CheckFreePieceCount(origin.Pieces);
    // Read no smaller than the longest side the puzzle keeps, whatever the picture's shape.
    QImage kept = LoadPicture(origin.Picture, QSize(kLongestFreePicture, kLongestFreePicture));
    const TFreeGrid grid = FitFreeGrid(kept.size(), origin.Pieces);
    if (kept.size() != grid.Picture) kept = kept.scaled(grid.Picture, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::mt19937 random(origin.Seed);
    std::vector<TFreePiece> cut = CutFreePuzzle(kept, grid, random);
    TFreeLayout layout = LayOutFreeTable(grid, cut, origin.Turned, random);
    return std::make_unique<TFreePuzzle>(grid, std::move(kept), std::move(cut), std::move(layout), origin);
  } catch (const TPictureRefusal& e) {
    throw FreeRefusal(origin.Picture, e.Reason());
  } catch (const std::exception& e) {
    throw FreeRefusal(origin.Picture, QString::fromUtf8(e.what()));
  }
}

TFreeOrigin NewFreeOrigin(const QString& picture, int pieces, bool turned, std::mt19937& random) {
  return {QFileInfo(picture).absoluteFilePath(), pieces, turned, static_cast<std::uint32_t>(random())};
}

std::unique_ptr<TFreePuzzle> StartFreePuzzle(const QString& picture, int pieces, bool turned, std::mt19937& random) {
  return StartFreePuzzle(NewFreeOrigin(picture, pieces, turned, random));
}
