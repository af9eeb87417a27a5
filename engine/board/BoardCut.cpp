// CreateMatrixPics: cuts the board picture into the piece table, all pieces or none.
#include "engine/board/BoardCut.h"

#include <stdexcept>

#include "engine/PicPuzzle.h"
#include "engine/board/IdlePump.h"
#include "pieces/PieceCut.h"
#include "view/ImageView.h"

namespace {
bool cutting = false;

struct TCuttingFlag {
  TCuttingFlag() {
    if (cutting) throw std::logic_error("картинка уже режется на детали");
    cutting = true;
  }
  ~TCuttingFlag() { cutting = false; }
};
}  // namespace

bool PiecesCutting() { return cutting; }

void TPicPuzzle::CreateMatrixPics() {
  TCuttingFlag flag;
  TCutInput input;
  input.picture = Im_Bkg->Bitmap();  // shares the pixels; a handler that loads another picture meanwhile detaches
  input.ColCount = ColCount;
  input.RowCount = RowCount;
  input.speed_movie = speed_movie;
  for (const TPicClip& clip : Pic) input.outlines.push_back(clip.ID);
  TImage32* board = Im_Bkg;
  input.ControlToBitmap = [board](QPoint p) { return board->ControlToBitmap(p); };

  TFastShapes shapes;
  TIdlePump pump;
  std::vector<TCutPiece> pieces = CutPicture(input, shapes, [&pump] { pump.Poll(); });

  // Events ran during the cut; a handler that replaced the piece table has made this cut stale.
  bool same = Pic.size() >= pieces.size();
  for (std::size_t i = 0; same && i < pieces.size(); ++i) same = Pic[i].ID == input.outlines[i];
  if (!same) throw std::runtime_error("уровень сменился, пока его картинка резалась на детали");

  for (TCutPiece& piece : pieces) {
    TPicClip& clip = Pic[piece.Index];
    clip.bmp = std::move(piece.bmp);
    clip.Width = piece.geometry.Width;
    clip.Height = piece.geometry.Height;
    clip.Left = piece.geometry.Left;
    clip.Top = piece.geometry.Top;
    clip.row = piece.row;
    clip.col = piece.col;
    clip.Index = piece.Index;
    clip.IndexAttach = -1;
    clip.SpeedRotation = 10;
    clip.DistanceMoving = piece.DistanceMoving;
    clip.AngleRotation = piece.AngleRotation;
    clip.Loc_bkg = piece.Loc_bkg;
    clip.Loc_list = piece.Loc_list;
  }
}
