// Building the board and tray layer stacks from the piece table, and placing resumed pieces.
#include <QFileInfo>
#include <cmath>

#include "engine/PicPuzzle.h"
#include "pieces/LibStorage.h"
#include "pieces/PieceCut.h"
#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {
constexpr float kThumbnailCentre = kThumbSize / 2.0f;
}  // namespace

void TPicPuzzle::CreateLayerIm_bkg() {
  SetSelection(nullptr);
  DestroyLayers(Im_Bkg);
  Im_Bkg->SetScale(1.0f);
  for (TPicClip& piece : Pic) {
    if (!piece.Loc_list.IsZero()) continue;
    auto* layer = new TRotLayer(&Im_Bkg->Layers());
    layer->SetBitmap(*piece.bmp);
    layer->Tag = piece.Index;
    layer->Bitmap().SetDrawMode(dmBlend);
    layer->Bitmap().SetMasterAlpha(kLoosePieceAlpha);
    CentrePivot(layer);
    layer->SetPosition({piece.Loc_bkg.Left, piece.Loc_bkg.Top});
    layer->SetAngle(static_cast<float>(piece.Angle));
    RecordBoardPlace(layer, piece);
    layer->SetScaled(true);
    AttachLooseHandlers(layer);
  }
}

void TPicPuzzle::CreateLayerIm_list() {
  DestroyLayers(Im_list);
  for (TPicClip& piece : Pic) {
    if (piece.Loc_list.IsZero() || piece.IndexAttach != -1) continue;
    auto* layer = new TRotLayer(&Im_list->Layers());
    layer->Tag = piece.Index;
    TBitmap32 thumbnail(*piece.bmp);
    ScaleBmp(thumbnail, kThumbSize, kThumbSize);
    layer->SetBitmap(thumbnail);
    layer->SetBitmapCenter({kThumbnailCentre, kThumbnailCentre});
    layer->SetPosition({kThumbnailCentre + piece.Loc_list.Left, kThumbnailCentre + piece.Loc_list.Top});
    layer->SetAngle(static_cast<float>(piece.Angle));
    layer->Bitmap().SetDrawMode(dmBlend);
    layer->Bitmap().SetMasterAlpha(kOpaqueAlpha);
    layer->SetScaled(true);
    layer->SetMouseEvents(true);
    layer->OnMouseDown = [this](TCustomLayer* sender, TMouseButton button, TShiftState shift, int x, int y) {
      Im_listLayerMouseDown(sender, button, shift, x, y);
    };
    const TFloatPoint centre = layer->Position();
    piece.Loc_list = {centre.X, centre.Y, centre.X + kThumbSize, centre.Y + kThumbSize};
  }
}

void TPicPuzzle::CreatePicS() {
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i) {
    auto* layer = dynamic_cast<TRotLayer*>(board.Items(i));
    if (!layer || layer->Tag < 0) continue;
    TPicClip& piece = Pic.at(layer->Tag);
    if (IsAtHome(layer, piece)) LockPiece(layer, piece);
  }
  FinishIfComplete();
}
