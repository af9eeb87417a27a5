// A playing level built by hand.
#include "PieceFixture.h"

void PieceFixture::SetUp() {
  GameFixture::SetUp();
  board->Bitmap().SetSize(800, 800);
  board->Bitmap().Clear(0xFF336699);
  Puzzle.Im_bkg_Path = folder.File("levels/data/lake.jpg");
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.dr = 5;
  Puzzle.da = 5;
}

TPicClip& PieceFixture::AddPiece(int width, int height, int left, int top) {
  TPicClip piece;
  piece.Index = static_cast<int>(Puzzle.Pic.size());
  piece.bmp = std::make_unique<TBitmap32>(width, height, 0xFF00AA00 + piece.Index);
  piece.Width = width;
  piece.Height = height;
  piece.Left = left;
  piece.Top = top;
  piece.Loc_bkg = {left + width / 2.0f, top + height / 2.0f, 0, 0};
  Puzzle.Pic.push_back(std::move(piece));
  return Puzzle.Pic.back();
}

TRotLayer* PieceFixture::BoardLayer(int tag) const {
  TLayerCollection& layers = board->Layers();
  for (int i = 0; i < layers.Count(); ++i)
    if (layers.Items(i)->Tag == tag) return dynamic_cast<TRotLayer*>(layers.Items(i));
  return nullptr;
}

TRotLayer* PieceFixture::TrayLayer(int index) const { return dynamic_cast<TRotLayer*>(tray->Layers().Items(index)); }

void PieceFixture::PlacePiece(int tag, float x, float y, float angle) {
  TRotLayer* layer = BoardLayer(tag);
  layer->SetPosition({x + layer->Bitmap().Width() / 2.0f, y + layer->Bitmap().Height() / 2.0f});
  layer->SetAngle(angle);
}
