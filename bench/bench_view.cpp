// Full repaints of the board view: the fitted picture alone, and with loose pieces turned at various angles.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>
#include <random>

#include "pieces/RotLayer.h"
#include "play/ImageView.h"

namespace {

// The board as the game sets it up during play: 800 × 800 picture in a 581 × 489 control, faded to 50.
std::unique_ptr<TImage32> MakeBoard() {
  auto view = std::make_unique<TImage32>();
  view->resize(581, 489);
  view->SetScaleMode(smResize);
  view->SetBitmapAlign(baCenter);
  view->SetColor(11191504);
  TBitmap32& picture = view->Bitmap();
  picture.SetSize(800, 800);
  for (int y = 0; y < 800; ++y)
    for (int x = 0; x < 800; ++x)
      picture.SetPixel(x, y, 0xFF000000u | (x * 7 & 0xFF) << 16 | (y * 5 & 0xFF) << 8 | 0x40);
  picture.SetDrawMode(dmBlend);
  picture.SetMasterAlpha(50);
  return view;
}

// A piece-like bitmap: an opaque body with round tabs, transparent around it as a cut piece is.
TBitmap32 MakePiece(int size, std::mt19937& random) {
  TBitmap32 piece(size, size, 0);
  const double body = size * 0.3, tab = size * 0.12, c = size / 2.0;
  const TColor32 colour = 0xFF000000u | (random() & 0xFFFFFF);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - c, dy = y + 0.5 - c;
      const bool inBody = std::abs(dx) < body && std::abs(dy) < body;
      const bool inTab = std::hypot(dx - body - tab * 0.6, dy) < tab || std::hypot(dx, dy + body + tab * 0.6) < tab;
      if (inBody || inTab) piece.SetPixel(x, y, colour);
    }
  return piece;
}

void AddPieces(TImage32& board, int count, int size) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> where(0, 800), turn(-180, 180);
  for (int i = 0; i < count; ++i) {
    auto* layer = new TRotLayer(&board.Layers());
    layer->SetBitmap(MakePiece(size, random));
    layer->Bitmap().SetDrawMode(dmBlend);
    layer->Bitmap().SetMasterAlpha(150);
    layer->SetBitmapCenter({size / 2.0f, size / 2.0f});
    layer->SetPosition({where(random), where(random)});
    layer->SetAngle(turn(random));
    layer->SetScaled(true);
    layer->SetMouseEvents(true);
  }
}

void BM_BoardPicture(benchmark::State& state) {
  auto board = MakeBoard();
  for (auto _ : state) benchmark::DoNotOptimize(board->Render());
}
BENCHMARK(BM_BoardPicture)->Unit(benchmark::kMillisecond);

// Arguments: number of loose pieces, piece bitmap size.
void BM_BoardWithPieces(benchmark::State& state) {
  auto board = MakeBoard();
  AddPieces(*board, int(state.range(0)), int(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(board->Render());
}
BENCHMARK(BM_BoardWithPieces)->Args({100, 100})->Args({400, 50})->Unit(benchmark::kMillisecond);

// The hit test the routing runs over every layer on each mouse event.
void BM_FindLayerAtPos(benchmark::State& state) {
  auto board = MakeBoard();
  AddPieces(*board, 400, 50);
  board->Render();
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(board->Layers().FindLayerAtPos(x, 240));
    x = (x + 7) % 581;
  }
}
BENCHMARK(BM_FindLayerAtPos)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
