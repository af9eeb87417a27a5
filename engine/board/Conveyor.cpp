// The tray conveyor: thumbnails spin and slide right on every tick; one reaching the right end loses the level.
#include "engine/PicPuzzle.h"
#include "pieces/PieceCut.h"
#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {
constexpr float kTrackY = 30;
}  // namespace

void TPicPuzzle::TimerTick(QObject*) {
  TLayerCollection& tray = Im_list->Layers();
  // One repaint for the whole tick: nobody sees the half steps between two paints.
  Im_list->BeginUpdate();
  for (int i = 0; i < tray.Count(); ++i) {
    auto* layer = dynamic_cast<TRotLayer*>(tray.Items(i));
    if (!layer || layer->Tag < 0 || layer->Tag >= static_cast<int>(Pic.size())) continue;
    TPicClip& piece = Pic[layer->Tag];
    for (int half = 0; half < 2; ++half) layer->SetAngle(layer->Angle() + piece.AngleRotation);
    layer->Bitmap().SetDrawMode(dmBlend);
    layer->Bitmap().SetMasterAlpha(kMovingThumbnailAlpha);
    const TFloatPoint before = layer->Position();
    const float x = before.X + piece.DistanceMoving;
    layer->SetPosition({x, kTrackY});
    piece.Loc_list = {x, kTrackY, x + kThumbSize, before.Y + kThumbSize};
  }
  Im_list->EndUpdate();
  Im_list->RepaintNow();

  bool gameover = false;
  for (int i = 0; i < tray.Count(); ++i) {
    auto* layer = dynamic_cast<TRotLayer*>(tray.Items(i));
    if (layer && Im_list->width() <= layer->Position().X) gameover = true;
  }
  if (gameover) wonGame();
}
