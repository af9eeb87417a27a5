// The placement check: a dropped piece close enough to its home locks in for 10 stars; the last one wins the level.
#include <QFileInfo>
#include <cmath>

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {
constexpr int kLockReward = 10;
}  // namespace

// The unturned top-left corner must lie strictly within dr of home, and the angle within da of 0 or of 360:
// angles are never reduced, so -360 and 720 do not count as upright.
bool TPicPuzzle::IsAtHome(const TRotLayer* layer, const TPicClip& piece) const {
  const float x = layer->Position().X - layer->Bitmap().Width() / 2.0f;
  const float y = layer->Position().Y - layer->Bitmap().Height() / 2.0f;
  const float angle = layer->Angle();
  return std::fabs(piece.Top - y) < dr && std::fabs(piece.Left - x) < dr &&
         (std::fabs(angle) <= da || std::fabs(360.0f - angle) <= da);
}

void TPicPuzzle::LockPiece(TRotLayer* layer, TPicClip& piece) {
  layer->OnMouseDown = nullptr;
  layer->OnMouseMove = nullptr;
  layer->OnMouseUp = nullptr;
  // A locked piece that still took presses would hide the loose pieces under it until a pause.
  layer->SetMouseEvents(false);
  layer->Tag = tagLocked;
  const int width = layer->Bitmap().Width(), height = layer->Bitmap().Height();
  const int left = static_cast<int>(std::ceil(width / 2.0)) + piece.Left;
  const int top = static_cast<int>(std::ceil(height / 2.0)) + piece.Top;
  layer->SetAngle(0);
  layer->SetBitmap(*piece.bmp);
  layer->Bitmap().SetDrawMode(dmBlend);
  piece.IndexAttach = piece.Index;
  layer->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  piece.Loc_bkg = {float(left), float(top), float(left + width), float(top + height)};
  layer->SetPosition({float(left), float(top)});
}

void TPicPuzzle::FinishIfComplete() {
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i)
    if (board.Items(i)->Tag >= 0) return;
  if (Im_list->Layers().Count() != 0) return;
  CompletePuzzle += QFileInfo(Im_bkg_Path).fileName() + " ";
  winGame();
}

void TPicPuzzle::CheckPicS(TCustomLayer* sender) {
  auto* layer = dynamic_cast<TRotLayer*>(sender);
  if (!layer || layer->Tag < 0 || layer->Tag >= static_cast<int>(Pic.size())) return;
  TPicClip& piece = Pic[layer->Tag];
  if (IsAtHome(layer, piece)) {
    PlayEffect(kLockEffect);
    LockPiece(layer, piece);
    GameStatus.Score += kLockReward;
    GameStatus.Last_PicLayer_Index = -1;
    // The player sees the piece snap home before a win can take the board away.
    Im_Bkg->RepaintNow();
  }
  FinishIfComplete();
}
