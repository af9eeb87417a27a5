// The one game object, the level clock counters, and the chores shared by the life-cycle operations.
#include "engine/PicPuzzle.h"

#include <QTimer>

#include "platform/MediaPlayer.h"
#include "view/ImageView.h"

TPicPuzzle::TPicPuzzle() = default;
TPicPuzzle::~TPicPuzzle() = default;
TPicPuzzle::TPicPuzzle(TPicPuzzle&&) noexcept = default;
TPicPuzzle& TPicPuzzle::operator=(TPicPuzzle&&) noexcept = default;

TPicPuzzle Puzzle;
int msec = 0;
int sec = 0;
int min = 0;

void TPicPuzzle::ReleasePieces() {
  for (TPicClip& piece : Pic) piece.bmp.reset();
  Pic.clear();
}

void TPicPuzzle::DestroyLayers(TImage32* view) {
  if (!view) return;
  TLayerCollection& layers = view->Layers();
  while (layers.Count() > 0) delete layers.Items(0);
  layers.Clear();
}

void TPicPuzzle::ConnectBoardHandlers() {
  Im_Bkg->OnMouseMove = [this](TImage32* sender, TShiftState shift, int x, int y, TCustomLayer* layer) {
    Im_BkgMouseMove(sender, shift, x, y, layer);
  };
  Im_Bkg->OnMouseDown = [this](TImage32* sender, TMouseButton button, TShiftState shift, int x, int y,
                               TCustomLayer* layer) { Im_BkgMouseDown(sender, button, shift, x, y, layer); };
  Im_Bkg->OnDblClick = [this](QObject* sender) { Im_BkgDblClick(sender); };
}
