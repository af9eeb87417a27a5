// The board repaints only what changed: over a scripted game of drags, turns and hovering, what reaches the screen
// stays pixel for pixel what a full repaint paints, while a drag frame paints only around the moving piece.
#include <QApplication>
#include <QPaintEvent>

#include "PieceFixture.h"

namespace {
// Notes the area of every paint the board receives.
class PaintLog : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const QRect r = static_cast<QPaintEvent*>(event)->region().boundingRect();
      areas.push_back(r.width() * r.height());
    }
    return QObject::eventFilter(watched, event);
  }
  std::vector<int> areas;
};

class PartialRepaint : public PieceFixture {
 protected:
  void SetUp() override {
    PieceFixture::SetUp();
    // A picture with detail, so a piece drawn a pixel off or a stale background shows.
    for (int y = 0; y < 800; ++y)
      for (int x = 0; x < 800; ++x) board->Bitmap().SetPixel(x, y, 0xFF000000u | (x * 5 % 256) << 16 | (y * 3 % 256));
    board->Bitmap().SetMasterAlpha(50);
    for (int i = 0; i < 24; ++i) {
      TPicClip& piece = AddPiece(40 + i % 5 * 7, 30 + i % 3 * 11, i % 6 * 120, i / 6 * 150);
      piece.Loc_bkg = {float(60 + i * 29 % 700), float(50 + i * 53 % 700), 0, 0};
      piece.Angle = i * 17 % 90;
      // Transparent corners, as a cut piece has around its shape.
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) piece.bmp->SetPixel(x, y, 0);
    }
    Puzzle.CreateLayerIm_bkg();
    board->show();
    Settle();
    // Two pieces locked at home, under the loose ones.
    for (int tag : {3, 7}) {
      TRotLayer* layer = BoardLayer(tag);
      layer->SetAngle(0);
      layer->SetPosition({Puzzle.Pic[tag].Left + layer->Bitmap().Width() / 2.0f,
                          Puzzle.Pic[tag].Top + layer->Bitmap().Height() / 2.0f});
      Puzzle.CheckPicS(layer);
    }
    Settle();
    board->installEventFilter(&log);
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  QPoint OnScreen(int tag) const {
    const TFloatPoint at = BoardLayer(tag)->Position();
    return board->BitmapToControl(QPoint(int(at.X), int(at.Y)));
  }
  // Runs one step of the script, lets pending paints happen and compares the screen with a full repaint.
  void Step(const std::string& name, const std::function<void()>& step) {
    step();
    Settle();
    ASSERT_EQ(board->Shown(), board->Render()) << name;
  }
  // Presses the piece (raised first, so that no other piece covers it), drags it along the path and drops it.
  void Drag(int tag, const std::vector<QPoint>& path) {
    Step("raise " + std::to_string(tag), [&] { BoardLayer(tag)->BringToFront(); });
    Step("press " + std::to_string(tag), [&] {
      const QPoint p = OnScreen(tag);
      board->DoMouseDown(mbLeft, ssLeft, p.x(), p.y());
    });
    for (const QPoint& p : path)
      Step("drag " + std::to_string(tag) + " to " + std::to_string(p.x()) + "," + std::to_string(p.y()),
           [&] { board->DoMouseMove(ssLeft, p.x(), p.y()); });
    Step("release " + std::to_string(tag), [&] { board->DoMouseUp(mbLeft, 0, path.back().x(), path.back().y()); });
  }
  PaintLog log;
};

TEST_F(PartialRepaint, TheScreenEqualsAFullRepaintAfterEveryStepOfAGame) {
  ASSERT_EQ(board->Shown(), board->Render());
  Drag(5, {{300, 200}, {305, 203}, {340, 260}, {-40, 100}, {700, 700}, {200, 250}});
  Drag(11, {{100, 100}, {101, 100}, {120, 140}});
  // A turn takes the piece released last into the hand; it then follows the cursor over other pieces.
  Step("turn", [&] { Puzzle.MouseWheelUp(10); });
  ASSERT_EQ(Puzzle.GameStatus.PicLayer_Index, 11);
  for (int tag : {0, 1, 2})
    Step("follow over " + std::to_string(tag), [&] {
      const QPoint p = OnScreen(tag);
      board->DoMouseMove(0, p.x(), p.y());
    });
  Drag(1, {{400, 300}, {410, 310}});
  // A drag that drops a piece home locks it in.
  const TPicClip& home = Puzzle.Pic[20];
  const QPoint homeCentre =
      board->BitmapToControl(QPoint(home.Left + home.bmp->Width() / 2, home.Top + home.bmp->Height() / 2));
  Step("straighten 20", [&] { BoardLayer(20)->SetAngle(0); });
  Drag(20, {{50, 50}, homeCentre});
  EXPECT_EQ(home.IndexAttach, 20);
  Step("double click", [&] { board->DoDblClick(); });
  Step("resize", [&] { board->resize(583, 583); });
  Drag(2, {{250, 250}, {260, 240}});
}

TEST_F(PartialRepaint, AHoverMoveWithNothingHeldPaintsNothing) {
  Drag(4, {{200, 200}});
  log.areas.clear();
  for (int x = 0; x < 580; x += 20) Step("hover", [&] { board->DoMouseMove(0, x, 240); });
  EXPECT_TRUE(log.areas.empty()) << log.areas.size() << " paints";
}

TEST_F(PartialRepaint, ADragFramePaintsOnlyAroundTheMovingPiece) {
  Drag(6, {{200, 200}, {210, 205}});
  Step("press again", [&] {
    const QPoint p = OnScreen(6);
    board->DoMouseDown(mbLeft, ssLeft, p.x(), p.y());
  });
  const QSize piece = BoardLayer(6)->Bitmap().Image().size() * board->ViewportScale().x();
  // The piece turned at any angle fits a square of its diagonal; the old and new places lie 10 pixels apart.
  const int reach = int(std::ceil(std::hypot(piece.width(), piece.height()))) + 10 + 4;
  for (const QPoint& p : {QPoint(220, 205), QPoint(230, 215)}) {
    log.areas.clear();
    Step("drag", [&] { board->DoMouseMove(ssLeft, p.x(), p.y()); });
    ASSERT_EQ(log.areas.size(), 1u);
    EXPECT_LE(log.areas[0], reach * reach);
  }
}
}  // namespace
