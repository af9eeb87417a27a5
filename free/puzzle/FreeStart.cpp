// Starting a free puzzle from a picture file: decode, keep size, cut, lay out.
#include <QString>

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/puzzle/PictureDecode.h"

std::unique_ptr<TFreePuzzle> StartFreePuzzle(const QString& picture, int pieces, bool turned, std::mt19937& random) {
  try {
    // A count that can never fit is refused before a large picture is decoded.
    CheckFreePieceCount(pieces);
    QImage kept = DecodeFreePicture(picture);
    const TFreeGrid grid = FitFreeGrid(kept.size(), pieces);
    if (kept.size() != grid.Picture) kept = kept.scaled(grid.Picture, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::vector<TFreePiece> cut = CutFreePuzzle(kept, grid, random);
    TFreeLayout layout = LayOutFreeTable(grid, cut, turned, random);
    return std::make_unique<TFreePuzzle>(grid, std::move(kept), std::move(cut), std::move(layout));
  } catch (const std::exception& e) {
    throw TFreeError(QString("Из картинки «%1» не сделать головоломку: %2.")
                         .arg(picture, QString::fromUtf8(e.what()))
                         .toStdString());
  }
}
