// The player's hand: pressing, dragging and dropping board pieces, taking thumbnails off the tray, turning.
#include <cmath>
#include <cstdlib>

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {
constexpr int kFrameWidth = 4;
constexpr TColor32 kFrameColor = 0xFFFF0000;

void DrawRedFrame(TBitmap32& bitmap) {
  for (int inset = 0; inset < kFrameWidth; ++inset)
    bitmap.FrameRectS(bitmap.BoundsRect().adjusted(inset, inset, -inset, -inset), kFrameColor);
}
}  // namespace

void TPicPuzzle::SetSelection(TCustomLayer* Value) {
  if (FSelection != Value) FSelection = Value;
}

TRotLayer* TPicPuzzle::FindBoardLayer(int tag) const {
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i)
    if (board.Items(i)->Tag == tag) return dynamic_cast<TRotLayer*>(board.Items(i));
  return nullptr;
}

void TPicPuzzle::RecordBoardPlace(const TRotLayer* layer, TPicClip& piece) {
  const TFloatPoint at = layer->Position();
  piece.Loc_bkg = {at.X, at.Y, at.X + layer->Bitmap().Width(), at.Y + layer->Bitmap().Height()};
}

void TPicPuzzle::AttachLooseHandlers(TRotLayer* layer) {
  layer->SetMouseEvents(true);
  layer->OnMouseDown = [this](TCustomLayer* sender, TMouseButton button, TShiftState shift, int x, int y) {
    LayerMouseDown(sender, button, shift, x, y);
  };
  layer->OnMouseUp = [this](TCustomLayer* sender, TMouseButton button, TShiftState shift, int x, int y) {
    LayerMouseUp(sender, button, shift, x, y);
  };
}

// A turn or a hint with an empty hand takes the piece released last; nothing gives it back.
void TPicPuzzle::TakeLastPieceIntoHand() {
  if (GameStatus.PicLayer_Index == -1 && GameStatus.Last_PicLayer_Index != -1)
    GameStatus.PicLayer_Index = GameStatus.Last_PicLayer_Index;
}

void TPicPuzzle::LayerMouseDown(TCustomLayer* Sender, TMouseButton, TShiftState, int, int) {
  PlayEffect(kPressEffect);
  auto* pressed = dynamic_cast<TRotLayer*>(Sender);
  if (!pressed) return;
  SetSelection(pressed);
  const int last = GameStatus.Last_PicLayer_Index;
  TLayerCollection& board = Im_Bkg->Layers();
  if (last >= 0 && last < static_cast<int>(Pic.size())) {
    for (int i = 0; i < board.Count(); ++i) {
      auto* layer = dynamic_cast<TRotLayer*>(board.Items(i));
      if (!layer || layer->Tag != last) continue;
      layer->SetBitmap(*Pic[last].bmp);
      layer->Bitmap().SetDrawMode(dmBlend);
    }
  }
  pressed->BringToFront();
  pressed->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  DrawRedFrame(pressed->Bitmap());
  GameStatus.PicLayer_Index = pressed->Tag;
  for (int i = 0; i < board.Count(); ++i) {
    auto* layer = dynamic_cast<TRotLayer*>(board.Items(i));
    if (layer && layer->Tag != GameStatus.PicLayer_Index && layer->Tag != tagLocked) layer->Bitmap().SetMasterAlpha(0);
  }
}

void TPicPuzzle::LayerMouseUp(TCustomLayer* Sender, TMouseButton, TShiftState, int, int) {
  auto* released = dynamic_cast<TRotLayer*>(Sender);
  if (!released) return;
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i) {
    auto* layer = dynamic_cast<TRotLayer*>(board.Items(i));
    if (layer && layer->Tag != tagLocked) layer->Bitmap().SetMasterAlpha(kLoosePieceAlpha);
  }
  released->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  if (released->Tag >= 0 && released->Tag < static_cast<int>(Pic.size()))
    RecordBoardPlace(released, Pic[released->Tag]);
  GameStatus.Last_PicLayer_Index = GameStatus.PicLayer_Index;
  // The two turns cancel out; they bring the hand's record up to date from its layer.
  MouseWheelUp(1);
  MouseWheelDown(1);
  CheckPicS(released);
  GameStatus.PicLayer_Index = -1;
}

void TPicPuzzle::Im_listLayerMouseDown(TCustomLayer* Sender, TMouseButton, TShiftState, int, int) {
  auto* thumbnail = dynamic_cast<TRotLayer*>(Sender);
  if (!thumbnail) return;
  const int t = thumbnail->Tag;
  if (t < 0 || t >= static_cast<int>(Pic.size())) return;
  TPicClip& piece = Pic[t];
  TLayerCollection& board = Im_Bkg->Layers();
  // A stray thumbnail of a piece already on the board or locked only goes away.
  for (int i = 0; i < board.Count(); ++i) {
    if (board.Items(i)->Tag == t || piece.IndexAttach == t) {
      thumbnail->DeleteLater();
      piece.Loc_list = {};
      return;
    }
  }

  auto* layer = new TRotLayer(&board);
  layer->SetBitmap(*piece.bmp);
  layer->Tag = piece.Index;
  layer->Bitmap().SetDrawMode(dmBlend);
  layer->Bitmap().SetMasterAlpha(kLoosePieceAlpha);
  CentrePivot(layer);
  // The stored board place, folded into the picture; the remainder keeps the dividend's sign before abs.
  const int pictureWidth = Im_Bkg->Bitmap().Width(), pictureHeight = Im_Bkg->Bitmap().Height();
  const int x = pictureWidth > 0 ? std::abs(static_cast<int>(std::ceil(piece.Loc_bkg.Left)) % pictureWidth) : 0;
  const int y = pictureHeight > 0 ? std::abs(static_cast<int>(std::ceil(piece.Loc_bkg.Top)) % pictureHeight) : 0;
  layer->SetPosition({float(x), float(y)});
  layer->SetAngle(static_cast<float>(piece.Angle));
  RecordBoardPlace(layer, piece);
  thumbnail->DeleteLater();
  piece.Loc_list = {};
  layer->SetScaled(true);
  AttachLooseHandlers(layer);
}

void TPicPuzzle::Im_BkgMouseDown(TImage32*, TMouseButton, TShiftState, int, int,
                                 TCustomLayer* Layer) {
  if (!Layer) SetSelection(nullptr);
}

void TPicPuzzle::Im_BkgMouseMove(TImage32*, TShiftState, int X, int Y, TCustomLayer* Layer) {
  X = std::clamp(X, 0, Im_Bkg->width());
  Y = std::clamp(Y, 0, Im_Bkg->height());
  const QPoint at = Im_Bkg->ControlToBitmap(QPoint(X, Y));
  Im_Bkg->BeginUpdate();
  if (Layer && GameStatus.PicLayer_Index != -1) {
    if (TRotLayer* held = FindBoardLayer(GameStatus.PicLayer_Index)) {
      held->SetPosition({float(at.x()), float(at.y())});
      if (GameStatus.PicLayer_Index < static_cast<int>(Pic.size()))
        RecordBoardPlace(held, Pic[GameStatus.PicLayer_Index]);
    }
  }
  Im_Bkg->EndUpdate();
  Im_Bkg->RepaintNow();
}

void TPicPuzzle::Im_BkgDblClick(QObject*) {
  TLayerCollection& board = Im_Bkg->Layers();
  std::vector<TCustomLayer*> loose;
  for (int i = 0; i < board.Count(); ++i)
    if (board.Items(i)->Tag != tagLocked) loose.push_back(board.Items(i));
  for (TCustomLayer* layer : loose) layer->BringToFront();
}

void TPicPuzzle::MouseWheelUp(int angle) { TurnHeldPiece(angle, false); }

void TPicPuzzle::MouseWheelDown(int angle) { TurnHeldPiece(-angle, true); }

// Angles are kept as they add up, never reduced modulo 360.
void TPicPuzzle::TurnHeldPiece(int degrees, bool recentre) {
  if (GameStatus.IdStep != stPlaying) return;
  Im_Bkg->BeginUpdate();
  FSelection = nullptr;
  TakeLastPieceIntoHand();
  TRotLayer* held = FindBoardLayer(GameStatus.PicLayer_Index);
  const int index = GameStatus.PicLayer_Index;
  if (held && index >= 0 && index < static_cast<int>(Pic.size())) {
    TPicClip& piece = Pic[index];
    piece.Angle = static_cast<Ext80>(held->Angle()) + degrees;
    held->SetAngle(static_cast<float>(piece.Angle));
    if (recentre) CentrePivot(held);
    held->Bitmap().SetDrawMode(dmBlend);
    held->Bitmap().SetMasterAlpha(kOpaqueAlpha);
    RecordBoardPlace(held, piece);
    SetSelection(nullptr);
  }
  Im_Bkg->EndUpdate();
  Im_Bkg->RepaintNow();
}

void TPicPuzzle::CentrePivot(TRotLayer* layer) {
  layer->SetBitmapCenter({layer->Bitmap().Width() / 2.0f, layer->Bitmap().Height() / 2.0f});
}
